#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both trees and the fuzz
# tree, then the native suite, each fuzz target for a bounded number of runs,
# the win32 suite under Wine (beside the native suite built with sanitizers,
# scripts/sanitizer-tests.sh) and the browser tests. Where this machine runs
# no 32-bit program, the win32 suite's Wine tests run in an emulated machine
# that does (bin/guest), beside everything else. It never reads the caller's
# WINEPREFIX, WINEARCH, WINEDEBUG, WINEDLLOVERRIDES or DISPLAY.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
./scripts/setup.sh browser
source scripts/lib/windows_tree.sh
# The tests run in the tree's own Wine prefixes and on displays of their
# own, whatever the caller's shell says about Wine and X: a WINEPREFIX of
# one's own is neither used nor changed.
unset "${wine_caller_variables[@]}"
mkdir -p build
# Where this kernel runs no 32-bit program, the win32 tree's tests under
# Wine run in an emulated machine (bin/guest). Its own test runs everywhere,
# so that the tool still works where it is needed; its image, when this
# machine's cache has none yet, is made while the trees build.
./scripts/guest-image.sh >build/guest-image.log 2>&1 &
guest_image_pid=$!
./scripts/build.sh fuzz
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# This machine's Wine prefix is made once, before tests run side by side.
./bin/wine-run cmd /c exit >/dev/null 2>&1 || true
status=0
# Where the win32 tree's tests under Wine run in the emulated machine, they
# run there while the native suites run here; their report comes last. The
# zip test among the checks of the built files leaves the release zip that
# the Wine test of its DLL (wine.release_dll) takes.
guest_pid=
if win32_tests_in_guest; then
  echo "== win32 tree: checks of the built files, on this machine"
  ctest --test-dir build/win32 --output-on-failure -L static || status=1
  guest_tests() {
    local result=0
    # Waits for the image being made above (or makes it, if that failed).
    ./scripts/guest-image.sh >>build/guest-image.log 2>&1 ||
      { echo "FAIL: the emulated machine's image could not be made:"; tail -n 30 build/guest-image.log; return 1; }
    # Two machines, each with a Wine desktop of its own, share the entries
    # about evenly: the five longest dialog tests in the second, all the
    # others and the machine's own test in the first. Each
    # machine has one processor: two machines of two on this machine's two
    # cores run more than twice as slowly as two of one. -FA: the zip's
    # test, which the Wine test of its DLL needs, ran above. The dialogs in
    # every language open 264 dialogs, some twelve minutes there: they and
    # kesto-sim's --lang (label "languages") run here in the x86-64 twin of
    # the same sources, below.
    export GUEST_CPUS=1
    local tests=(ctest --test-dir build/win32 --output-on-failure -LE '^(static|languages)$' -FA '.*' --timeout 900)
    local second='^wine\.(edit_steps|edit_dpi|edit_fonts|random_authors|editor_round_trip)$'
    (
      result=0
      tests/guest/guest.sh || result=1
      ./bin/guest --timeout 1800 "${tests[@]}" -E "$second" || result=1
      exit $result
    ) >build/guest-tests-1.log 2>&1 &
    local first=$!
    ./bin/guest --timeout 1800 "${tests[@]}" -R "$second" || result=1
    wait "$first" || result=1
    cat build/guest-tests-1.log
    return $result
  }
  guest_tests >build/guest-tests.log 2>&1 &
  guest_pid=$!
fi
echo "== native tests"
ctest --test-dir build/native --output-on-failure -j "$(nproc)" || status=1
echo "== fuzz targets, a bounded number of runs each"
ctest --test-dir build/fuzz --output-on-failure -j "$(nproc)" || status=1
# The sanitizer tree builds and runs its suite while the Wine tests, which
# mostly wait on Wine, take their turns; its report follows theirs.
./scripts/sanitizer-tests.sh >build/sanitizer-tests.log 2>&1 &
sanitizer_pid=$!
trap 'kill "$sanitizer_pid" $guest_image_pid $guest_pid 2>/dev/null || true' EXIT
if ! win32_tests_in_guest; then
  # The emulated machine's own test, beside the Wine tests here.
  tests/guest/guest.sh >build/guest-tests.log 2>&1 &
  guest_pid=$!
  echo "== win32 tests under 32-bit Wine, on this machine"
  ctest --test-dir build/win32 --output-on-failure -j 2 || status=1
fi
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
wait "$sanitizer_pid" || status=1
cat build/sanitizer-tests.log
if win32_tests_in_guest; then
  echo "== the dialogs in every language: the x86-64 twin under Wine, on this machine"
  ctest --test-dir build/win64 --output-on-failure -L languages || status=1
fi
if [ -x tests/browser/run.sh ]; then
  echo "== browser tests ($(basename "$(windows_tree)") tree's kesto-sim under Wine, on this machine)"
  tests/browser/run.sh || status=1
fi
if win32_tests_in_guest; then
  echo "== win32 tree: tests under 32-bit Wine, in the emulated i386 machine (bin/guest)"
else
  echo "== the emulated i386 machine (bin/guest) itself"
fi
wait "$guest_pid" || status=1
cat build/guest-tests.log
exit $status
