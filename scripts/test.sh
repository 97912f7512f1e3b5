#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both trees and the fuzz
# tree, then the native suite, each fuzz target for a bounded number of runs,
# the win32 suite under Wine (beside the native suite built with sanitizers,
# scripts/sanitizer-tests.sh) and the browser tests.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
./scripts/setup.sh browser
./scripts/build.sh fuzz
source scripts/lib/windows_tree.sh
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Create the Wine prefix once, before tests run side by side.
./bin/wine-run cmd /c exit >/dev/null 2>&1 || true
status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$(nproc)" || status=1
echo "== fuzz targets, a bounded number of runs each"
ctest --test-dir build/fuzz --output-on-failure -j "$(nproc)" || status=1
# The sanitizer tree builds and runs its suite while the Wine tests, which
# mostly wait on Wine, take their turns; its report follows theirs.
./scripts/sanitizer-tests.sh >build/sanitizer-tests.log 2>&1 &
sanitizer_pid=$!
trap 'kill "$sanitizer_pid" 2>/dev/null || true' EXIT
if machine_runs_i386; then
  echo "== win32 tests under Wine"
  ctest --test-dir build/win32 --output-on-failure -j 2 || status=1
else
  echo "== this kernel runs no 32-bit x86 program, so 32-bit Wine cannot start:"
  echo "== the 32-bit DLL is checked as a file, and the Windows tests run on"
  echo "== the x86-64 build of the same sources under 64-bit Wine"
  ctest --test-dir build/win32 --output-on-failure -L static || status=1
  ctest --test-dir build/win64 --output-on-failure -j 2 || status=1
fi
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
wait "$sanitizer_pid" || status=1
cat build/sanitizer-tests.log
if [ -x tests/browser/run.sh ]; then
  echo "== browser tests"
  tests/browser/run.sh || status=1
fi
exit $status
