#!/usr/bin/env bash
# Builds both trees: build/native (g++, stand-in platform, unit tests and
# tools) and build/win32 (MinGW-w64 i686: the DLL, kesto-sim.exe, tests).
# On a machine whose kernel cannot run 32-bit programs, also build/win64, the
# same sources for x86-64, whose programs run under 64-bit Wine there
# (scripts/lib/windows_tree.sh). With the argument "fuzz" also build/fuzz:
# the libFuzzer targets, built by clang with AddressSanitizer and UBSan.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/lib/windows_tree.sh
jobs=$(nproc)
configure() {  # dir, extra cmake arguments...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}
configure build/native
configure build/win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
windows_trees=(build/win32)
if ! machine_runs_i386; then
  configure build/win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
  windows_trees+=(build/win64)
fi
# Progress lines are dropped; warnings and errors stay visible.
# The build's own status decides (grep finding no line to show is no failure).
build() {
  local status=0
  cmake --build "$1" -j "$jobs" 2>&1 | grep -v -E '^\[ *[0-9]+%\]|^gmake|Consolidate compiler' ||
    status=${PIPESTATUS[0]}
  return "$status"
}
build build/native
for tree in "${windows_trees[@]}"; do
  build "$tree"
  # The DLL sits beside kesto-sim.exe, where Kesto's stand-in looks for it.
  cp -f "$tree/zuvo_companion.dll" "$tree/tools/"
done
if [ "${1:-}" = fuzz ]; then
  [ -f build/fuzz/CMakeCache.txt ] || CC=clang CXX=clang++ cmake -S . -B build/fuzz -DZUVO_FUZZ=ON >/dev/null
  build build/fuzz
fi
