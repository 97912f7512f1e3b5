# Cross-compiling for 64-bit Windows: the same sources as the 32-bit product,
# for machines whose kernel cannot run 32-bit programs
# (scripts/lib/windows_tree.sh).
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
