#!/usr/bin/env bash
# The built DLL read as a file, without running it: its format, its exports
# and its imports. Runs for every Windows tree, even where Wine cannot start
# the tree's programs.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
dll=$BUILD_DIR/zuvo_companion.dll
objdump=$MINGW_PREFIX-objdump
headers=$($objdump -p "$dll")
expected_format=pei-i386
[ "$MINGW_PREFIX" = x86_64-w64-mingw32 ] && expected_format=pei-x86-64

check_contains "PE format of the tree ($expected_format)" "file format $expected_format" "$($objdump -f "$dll")"
exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -o '_ks[A-Za-z]*' | sort | tr '\n' ' ')
check_equal "exactly the seven entry points" \
  "_ksEditAction _ksExecAction _ksInitPlugIn _ksMessage _ksRegisterInterfaceAccess _ksRegisterPlugIn _ksRegisterScriptProcessor " \
  "$exports"
export_count=$(grep -F '[Name Pointer/Ordinal] Table' <<<"$headers" | awk '{print $NF}')
check_equal "no other exports" "00000007" "$export_count"
# Only libraries every Windows installation has: no MinGW runtime DLLs.
foreign=$(grep 'DLL Name:' <<<"$headers" | awk '{print tolower($3)}' |
  grep -v -x -E 'kernel32.dll|user32.dll|gdi32.dll|comdlg32.dll|comctl32.dll|ole32.dll|msvcrt.dll|advapi32.dll|shell32.dll|uxtheme.dll')
check_equal "system DLL imports only" "" "$foreign"
finish
