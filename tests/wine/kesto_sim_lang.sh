#!/usr/bin/env bash
# kesto-sim edit --lang: the dialog in the language asked for, in the tree's
# prefix for it, run in that language's locale. German shows German texts
# left to right; Arabic shows Arabic texts in a mirrored window. A language
# without a locale, or none at all, is refused before Wine starts.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
line='ZUVO_Set "Rect1" "button:btn_ok" "caption" "Save"'

# Refused: one line on standard error that lists the languages, status 2.
for asked in xx 'de-DE' ''; do
  stderr=$("$KESTO_SIM" edit "$line" --lang $asked </dev/null 2>&1 >/dev/null)
  status=$?
  check_equal "--lang ${asked:-without a language}: refused with status 2" 2 "$status"
  check_equal "--lang ${asked:-without a language}: in one line listing the languages" "1 yes" \
    "$(wc -l <<<"$stderr") $(grep -q 'de, fr, es, it, pt-BR, nl, pl, ru, ja, zh-CN, ko, ar' <<<"$stderr" && echo yes || echo no)"
done

start_private_display
# language | title | a label | a button | how the window is laid out
expected=(
  'de|Eigenschaft eines Steuerelements festlegen|Rechteck:|Abbrechen|left to right'
  'ar|تعيين خاصية عنصر تحكم|المستطيل:|إلغاء الأمر|right to left'
)
for entry in "${expected[@]}"; do
  IFS='|' read -r lang title label button layout <<<"$entry"
  dump=$("$KESTO_SIM" edit "$line" --lang "$lang" <<<dump 2>/dev/null)
  window=$(grep '^window' <<<"$dump")
  check_contains "--lang $lang: the title" "$(printf '\tZUVO_Set  -  %s\t' "$title")" "$window"
  check_contains "--lang $lang: the label" "$(printf '\t%s' "$label")" "$(grep '^control.*label' <<<"$dump")"
  check_contains "--lang $lang: the button" "$(printf '\t%s' "$button")" "$(grep '^control.*button' <<<"$dump")"
  mirrored=$(grep -q $'\tlayout rtl' <<<"$window" && echo 'right to left' || echo 'left to right')
  check_equal "--lang $lang: the window laid out $layout" "$layout" "$mirrored"
  check_contains "--lang $lang: the parameters as they were" $'param\t3\tSave' "$dump"
  end_wine_session
done
finish
