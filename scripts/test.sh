#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both trees and the fuzz
# tree, then the native suite, each fuzz target for a bounded number of runs,
# the win32 suite under Wine and the browser tests.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
./scripts/setup.sh browser
./scripts/build.sh fuzz
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Create the Wine prefix once, before tests run side by side.
./bin/wine-run cmd /c exit >/dev/null 2>&1 || true
status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$(nproc)" || status=1
echo "== fuzz targets, a bounded number of runs each"
ctest --test-dir build/fuzz --output-on-failure -j "$(nproc)" || status=1
echo "== win32 tests under Wine"
ctest --test-dir build/win32 --output-on-failure -j 2 || status=1
if [ -x tests/browser/run.sh ]; then
  echo "== browser tests"
  tests/browser/run.sh || status=1
fi
exit $status
