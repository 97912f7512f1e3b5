#!/usr/bin/env bash
# zuvo-catalogue: the committed property reference is its current output,
# its tab-separated listings hold what scripts rely on, and it prints the
# reference in every dialog language.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
tool=$BUILD_DIR/tools/zuvo-catalogue
tab=$'\t'

if ! "$tool" | diff -u "$SOURCE_DIR/docs/properties.md" - >/tmp/catalogue_reference.$$.diff; then
  echo "FAIL: docs/properties.md is stale; regenerate it with: zuvo-catalogue > docs/properties.md"
  head -40 /tmp/catalogue_reference.$$.diff
  failures=$((failures + 1))
fi
rm -f /tmp/catalogue_reference.$$.diff

tsv=$("$tool" --tsv)
check_equal "record lines" "258" "$(printf '%s\n' "$tsv" | wc -l)"
check_equal "seven fields on every line" "" "$(printf '%s\n' "$tsv" | awk -F'\t' 'NF != 7')"
check_equal "first record" "0${tab}button${tab}caption${tab}0${tab}${tab}e.g. Click Me${tab}Text label on the button face" \
  "$(printf '%s\n' "$tsv" | head -1)"
check_equal "a choice record" "52${tab}slider${tab}orientation${tab}4${tab}horizontal|vertical${tab}${tab}Slider direction" \
  "$(printf '%s\n' "$tsv" | grep "${tab}slider${tab}orientation${tab}")"
check_equal "the background record" "231${tab}*style${tab}style.background${tab}6${tab}${tab}e.g. #cc2244  or  linear-gradient(135deg,#f00,#00f)${tab}CSS background - color or gradient" \
  "$(printf '%s\n' "$tsv" | grep "${tab}style.background${tab}")"
check_equal "last record" "257${tab}*style${tab}top${tab}2${tab}${tab}e.g. 50${tab}Top position in pixels" \
  "$(printf '%s\n' "$tsv" | tail -1)"

types=$("$tool" --types)
check_equal "type lines" "33" "$(printf '%s\n' "$types" | wc -l)"
check_equal "three prefixes" "5${tab}Rich Text${tab}richText${tab}rtx,rte,rtb" "$(printf '%s\n' "$types" | sed -n 5p)"
check_equal "style has no prefix" "33${tab}Style (Any Control)${tab}*style${tab}" "$(printf '%s\n' "$types" | tail -1)"

check_equal "detect" "BTN_Submit${tab}button
btn${tab}
rect_1${tab}rectangle
${tab}
doc_a_b${tab}iframeViewer" "$("$tool" --detect BTN_Submit btn rect_1 "" doc_a_b)"

check_equal "chooser entries for *style" "40" "$("$tool" --chooser '*style' | wc -l)"
check_equal "chooser for no type" "0${tab}1${tab}-- choose property --" "$("$tool" --chooser "")"
check_equal "chooser selects the style fontSize of a table" "19${tab}1${tab}fontSize  -  Font size in pixels" \
  "$("$tool" --chooser table fontSize | grep "^[0-9]*${tab}1${tab}")"
check_equal "chooser without a match selects the placeholder" "0" \
  "$("$tool" --chooser button nothing | awk -F'\t' '$2 == 1 { print $1 }')"

check_equal "the dialog languages with their direction" \
  "$(printf '%s\tltr\n' de fr es it pt-BR nl pl ru ja zh-CN ko)$(printf '\nar\trtl')" "$("$tool" --languages)"
# Every language translates every text of its page: the tool says which it
# lacks on standard error and fails.
for language in $("$tool" --languages | cut -f1); do
  errors=$("$tool" --language "$language" 2>&1 >/dev/null)
  check_equal "$language: the reference, with nothing untranslated" "0:" "$?:$errors"
done
check_equal "a language's reference has the English one's lines" "$("$tool" | wc -l)" \
  "$("$tool" --language ja | wc -l)"
check_contains "a translated heading keeps the English anchor" "## Schaltflächenleiste {#button-bar}" \
  "$("$tool" --language de)"
"$tool" --language en >/dev/null 2>&1
check_equal "English is the reference without --language" "2" "$?"
"$tool" --language xx >/dev/null 2>&1
check_equal "an unknown language is a usage error" "2" "$?"

"$tool" --frobnicate >/dev/null 2>&1
check_equal "an unknown option is a usage error" "2" "$?"
"$tool" --chooser >/dev/null 2>&1
check_equal "--chooser needs a type" "2" "$?"
finish
