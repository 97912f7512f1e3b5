#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both trees and the fuzz
# tree, then the native suite, each fuzz target for a bounded number of runs,
# the win32 suite under Wine (beside the native suite built with sanitizers,
# scripts/sanitizer-tests.sh) and the browser tests.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
./scripts/setup.sh browser
source scripts/lib/windows_tree.sh
mkdir -p build
# Where this kernel runs no 32-bit program, the win32 tree's tests under
# Wine run in an emulated machine (bin/guest); its image, when this
# machine's cache has none yet, is made while the trees build.
guest_image_pid=
if win32_tests_in_guest; then
  ./scripts/guest-image.sh >build/guest-image.log 2>&1 &
  guest_image_pid=$!
fi
./scripts/build.sh fuzz
export LANG=C.UTF-8 LC_ALL=C.UTF-8
status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$(nproc)" || status=1
echo "== fuzz targets, a bounded number of runs each"
ctest --test-dir build/fuzz --output-on-failure -j "$(nproc)" || status=1
# The sanitizer tree builds and runs its suite while the Wine tests, which
# mostly wait on Wine, take their turns; its report follows theirs.
./scripts/sanitizer-tests.sh >build/sanitizer-tests.log 2>&1 &
sanitizer_pid=$!
trap 'kill "$sanitizer_pid" $guest_image_pid 2>/dev/null || true' EXIT
if ! win32_tests_in_guest; then
  echo "== win32 tests under Wine, on this machine"
  # The Wine prefix is made once, before tests run side by side.
  ./bin/wine-run cmd /c exit >/dev/null 2>&1 || true
  ctest --test-dir build/win32 --output-on-failure -j 2 || status=1
else
  # Where this kernel runs no 32-bit x86 program, 32-bit Wine cannot start
  # here: the win32 tree's checks of its files run here, its tests under
  # Wine in the emulated machine (bin/guest), which runs 32-bit programs.
  # The zip test here leaves the release zip that wine.release_dll checks.
  echo "== win32 tree: checks of the built files, on this machine"
  ctest --test-dir build/win32 --output-on-failure -L static || status=1
  echo "== win32 tree: tests under 32-bit Wine, in the emulated i386 machine (bin/guest)"
  if wait "$guest_image_pid"; then
    tests/guest/guest.sh || status=1
    # -FA: the zip's test, which the Wine test of its DLL needs, ran above.
    ./bin/guest --timeout 1800 \
      ctest --test-dir build/win32 --output-on-failure -LE static -FA '.*' -j 2 || status=1
  else
    echo "FAIL: the emulated machine's image could not be made:"
    tail -n 30 build/guest-image.log
    status=1
  fi
fi
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
wait "$sanitizer_pid" || status=1
cat build/sanitizer-tests.log
if [ -x tests/browser/run.sh ]; then
  echo "== browser tests"
  tests/browser/run.sh || status=1
fi
exit $status
