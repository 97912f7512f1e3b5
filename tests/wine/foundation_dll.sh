#!/usr/bin/env bash
# The real DLL: its format, exports and imports, and what it registers when
# kesto-sim loads it under Wine.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
dll=${KESTO_SIM_EXE:+$(dirname "$KESTO_SIM_EXE")/zuvo_companion.dll}
dll=${dll:-$BUILD_DIR/tools/zuvo_companion.dll}
headers=$(i686-w64-mingw32-objdump -p "$dll")

check_contains "PE32 for i386" "file format pei-i386" "$(i686-w64-mingw32-objdump -f "$dll")"
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

check_equal "info through the real DLL" "$(cat "$SOURCE_DIR/tests/expected/info.txt")" "$("$KESTO_SIM" info)"
null_product=$("$KESTO_SIM" --null-slot product info | head -3)
check_equal "ksInitPlugIn with a null product slot fills the others" \
  "$(printf 'name\tZUVO Companion\nproduct\t(null slot)\ndescription\t6 clean actions for controlling ZUVO runtime controls')" \
  "$null_product"
check_equal "out-of-range action numbers execute nothing" \
  "$(printf 'result\t0\nresult\t0\nresult\t1')" "$("$KESTO_SIM" exec '#0' '#9' 'ZUVO_Set "" "" "" ""')"
finish
