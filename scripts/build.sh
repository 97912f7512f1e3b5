#!/usr/bin/env bash
# Builds both trees: build/native (g++, stand-in platform, unit tests and
# tools) and build/win32 (MinGW-w64 i686: the DLL, kesto-sim.exe, tests).
# With the argument "fuzz" also build/fuzz: the libFuzzer targets, built by
# clang with AddressSanitizer and UBSan.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=$(nproc)
configure() {  # dir, extra cmake arguments...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}
configure build/native
configure build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
# Progress lines are dropped; warnings and errors stay visible.
build() {
  cmake --build "$1" -j "$jobs" 2>&1 | grep -v -E '^\[ *[0-9]+%\]|^gmake|Consolidate compiler' || true
  return "${PIPESTATUS[0]}"
}
build build/native
build build/win32
if [ "${1:-}" = fuzz ]; then
  [ -f build/fuzz/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B build/fuzz -DZUVO_FUZZ=ON >/dev/null
  build build/fuzz
fi
# The DLL sits beside kesto-sim.exe, where Kesto's stand-in looks for it.
cp -f build/win32/zuvo_companion.dll build/win32/tools/
