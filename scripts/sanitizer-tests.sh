#!/usr/bin/env bash
# The native suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a tree of its own (build/asan) and run: any
# report of either, a leak included, fails a test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=${SANITIZER_JOBS:-$(nproc)}
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
if [ ! -f build/asan/CMakeCache.txt ]; then
  cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
fi
# Progress lines are dropped; warnings and errors stay visible.
set +e
cmake --build build/asan -j "$jobs" 2>&1 | grep -v -E '^\[ *[0-9]+%\]|^gmake|Consolidate compiler'
built=${PIPESTATUS[0]}
set -e
[ "$built" -eq 0 ] || exit 1
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build/asan --output-on-failure -j "$jobs"
