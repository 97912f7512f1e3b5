#!/usr/bin/env bash
# The keyboard in a real dialog of the DLL: in an open drop-down list Enter
# only closes the list, and Escape closes it and brings back the entry chosen
# before it opened, which the dialog then reflects again. (Enter and Escape
# elsewhere: tests/steps/*-enter-*.steps and *-escape-*.steps.)
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/edit_steps.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
start_private_display
keep_wine_session
line='ZUVO_Set "Rect1" "button:btn_ok" "style" "primary"'
edit() { "$KESTO_SIM" edit "$line" 2>/dev/null; }

# Tab from the Control ID field reaches the Control Type list.
type_position=$("$native_kesto_sim" edit "$line" <<<dump 2>/dev/null | grep $'\tdropdown\t' | head -1 |
                sed -n 's/.*\tselected \([0-9]*\) of .*/\1/p')
again=$(printf 'key tab\ndump\nchoose "Control Type:" "#%s"\necho again\ndump\n' "$type_position" | edit)
check_contains "Tab moves to the Control Type list" "$(printf '\tfocus\tselected %s of' "$type_position")" \
  "$(grep $'\tdropdown\t' <<<"$again" | head -1)"

# Arrowing through the open list reports each entry (the property list
# follows), Escape brings the first entry back, and the dialog reflects it
# as when the author chooses that entry again.
escaped=$(printf 'key tab\nkey f4\nkey down\nkey down\necho passed\ndump\nkey escape\necho escaped\ndump\nclick Cancel\n' | edit)
passed=$(sed -n '/^passed$/,/^escaped$/p' <<<"$escaped" | grep -E '^(window|control|entry)')
restored=$(sed -n '/^escaped$/,$p' <<<"$escaped" | grep -E '^(window|control|entry)')
check_equal "after Escape in the open list the dialog shows the entry chosen before" \
  "$(sed -n '/^again$/,$p' <<<"$again" | grep -E '^(window|control|entry)')" "$restored"
if [ "$passed" = "$restored" ]; then
  echo "FAIL: arrowing through the open list changed nothing"
  failures=$((failures + 1))
fi
check_contains "Cancel afterwards leaves the list as it was" "$(printf 'result\t0\nparam\t0\tRect1\nparam\t1\tbutton:btn_ok\nparam\t2\tstyle\nparam\t3\tprimary')" "$escaped"

# Enter in the open list only closes it: the entry it shows stays chosen and
# the dialog stays open. (Where the pointer rests over the opening list, the
# entry under it is the one shown.)
entered=$(printf 'key tab\nkey f4\nkey down\necho open\ndump\nkey enter\necho entered\ndump\nclick Cancel\n' | edit)
check_contains "Enter in the list leaves the dialog open" "$(printf 'entered\nwindow\t1\tZUVO_Set')" "$entered"
type_line() { sed -n "/^$1\$/,\$p" <<<"$entered" | grep $'\tdropdown\t' | head -1 | sed 's/\tfocus\t/\t-\t/'; }
check_equal "the entry the open list showed stays chosen" "$(type_line open)" "$(type_line entered)"
finish
