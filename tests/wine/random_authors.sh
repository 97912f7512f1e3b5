#!/usr/bin/env bash
# Random authors through the real DLL: kesto-sim opens the editor of each of
# the eight actions, new and stored, and a seeded random author plays it
# (typing, choosing, clicking, Re-Pick, colour answers, the close box). Each
# session must end with no error, no dialog left open, and the parameters as
# the editor contract says (tests/support/check_edit_output.cpp); the same
# seed must play the same session in the native build.
# RANDOM_AUTHOR_SEED picks other seeds; RANDOM_AUTHOR_STEPS the steps a session.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/edit_steps.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
checker=${CHECK_EDIT_OUTPUT:-$SOURCE_DIR/build/native/tests/check-edit-output}
for tool in "$native_kesto_sim" "$checker"; do
  [ -x "$tool" ] || { echo "FAIL: $tool is not built (build/native)"; exit 1; }
done
seed=${RANDOM_AUTHOR_SEED:-1200}
steps=${RANDOM_AUTHOR_STEPS:-30}

lines=(
  'ZUVO_Set'
  'ZUVO_Set "Rect1" "button:btn_ok" "caption" "Save"'
  'ZUVO_Set "Rect1" "style:pnl_x" "style.background" "linear-gradient(135deg,#cc2244,#2244cc)"'
  'ZUVO_Get'
  'ZUVO_Get "Rect1" "textInput:txt_name" "value" "[Name]"'
  'ZUVO_Get "Rect1" "PAGE_COUNT" "" "[Pages]"'
  'ZUVO_Visibility'
  'ZUVO_Visibility "Rect1" "btn_ok" "Toggle"'
  'ZUVO_Navigate'
  'ZUVO_Navigate "Rect1" "GoToPage" "Home"'
  'ZUVO_Items'
  'ZUVO_Items "Rect1" "txa_notes" "SetText" "It'"'"'s"'
  'ZUVO_GoSub'
  'ZUVO_GoSub "OnSaveComplete"'
  'ZUVO_AddRow "Rect1" "tbl_1" "Alice,Engineering"'
  'ZUVO_ClearRows "Rect1" "tbl_1"'
)

start_private_display || { echo "FAIL: no display for Wine"; exit 1; }
total_steps=0
sessions=0
confirmed=0
for line in "${lines[@]}"; do
  seed=$((seed + 1))
  name="${line%% *} seed $seed"
  # A new action has no rectangle to offer, so the first pick names one.
  pick=(--pick-same)
  [ "$line" = "${line%% *}" ] && pick=(--pick Rect1)
  native=$(printf 'random %s %s\n' "$seed" "$steps" | "$native_kesto_sim" edit "$line" "${pick[@]}" 2>/dev/null)
  win32=$(printf 'random %s %s\n' "$seed" "$steps" | timeout 300 "$KESTO_SIM" edit "$line" "${pick[@]}" 2>/dev/null)
  status=$?
  check_equal "$name: kesto-sim exit status" 0 "$status"
  check_equal "$name: the same session as the native build" "$native" "$win32"
  verdict=$(printf '%s\n' "$win32" | "$checker" "$line")
  check_equal "$name: editor contract" "" "$verdict"
  taken=$(printf '%s\n' "$win32" | sed -n 's/^random\t\([0-9]*\) steps$/\1/p')
  total_steps=$((total_steps + ${taken:-0}))
  sessions=$((sessions + 1))
  printf '%s\n' "$win32" | grep -qx 'result	1' && confirmed=$((confirmed + 1))
done
echo "random authors: $sessions sessions, $total_steps steps, $confirmed confirmed"
finish
