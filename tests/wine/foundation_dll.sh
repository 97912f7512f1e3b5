#!/usr/bin/env bash
# What the real DLL registers when kesto-sim loads it under Wine (its format,
# exports and imports: tests/pe/dll_format.sh).
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
check_equal "info through the real DLL" "$(cat "$SOURCE_DIR/tests/expected/info.txt")" "$("$KESTO_SIM" info)"
null_product=$("$KESTO_SIM" --null-slot product info | head -3)
check_equal "ksInitPlugIn with a null product slot fills the others" \
  "$(printf 'name\tZUVO Companion\nproduct\t(null slot)\ndescription\t6 clean actions for controlling ZUVO runtime controls')" \
  "$null_product"
check_equal "out-of-range action numbers execute nothing" \
  "$(printf 'result\t0\nresult\t0\nresult\t1')" "$("$KESTO_SIM" exec '#0' '#9' 'ZUVO_Set "" "" "" ""')"
finish
