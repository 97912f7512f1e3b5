#!/usr/bin/env bash
# The native kesto-sim, with the plug-in linked in, reports what the DLL does.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
sim=$BUILD_DIR/tools/kesto-sim
check_equal "info" "$(cat "$SOURCE_DIR/tests/expected/info.txt")" "$("$sim" info)"
check_equal "null description slot" "description	(null slot)" "$("$sim" --null-slot description info | sed -n 3p)"
"$sim" exec 'ZUVO_Set "unterminated' >/dev/null 2>&1
check_equal "a malformed action line is an error" "1" "$?"
"$sim" frobnicate >/dev/null 2>&1
check_equal "an unknown command is a usage error" "2" "$?"
finish
