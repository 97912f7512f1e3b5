#!/usr/bin/env bash
# The Windows zuvo-catalogue, over the platform's own lower-casing and code
# page, prints the same reference and detects types the same way.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
start_private_display
keep_wine_session
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

# The chooser fills a real drop-down list, on the test's own display:
# entries must keep the order they were appended in, and the selection its
# place.
chooser=$(run --chooser table fontSize 2>/dev/null)
check_equal "chooser entries" "51" "$(printf '%s\n' "$chooser" | wc -l)"
check_equal "chooser order" "10${tab}0${tab}fontSize  -  Set table font size in pixels" "$(printf '%s\n' "$chooser" | sed -n 11p)"
check_equal "chooser selection" "19${tab}1${tab}fontSize  -  Font size in pixels" \
  "$(printf '%s\n' "$chooser" | grep "^[0-9]*${tab}1${tab}")"
finish
