#!/usr/bin/env bash
# The Windows zuvo-catalogue, over the platform's own lower-casing and code
# page, prints the same reference and detects types the same way.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
tool=$BUILD_DIR/tools/zuvo-catalogue.exe
run() { "$SOURCE_DIR/bin/wine-run" "$tool" "$@"; }
tab=$'\t'

check_equal "the reference matches docs/properties.md" "$(cat "$SOURCE_DIR/docs/properties.md")" "$(run)"
check_equal "records" "258" "$(run --tsv | wc -l)"
check_equal "types" "33" "$(run --types | wc -l)"
check_equal "detect" "BTN_Submit${tab}button
Oval_x${tab}oval
btn${tab}
_btn${tab}" "$(run --detect BTN_Submit Oval_x btn _btn)"
finish
