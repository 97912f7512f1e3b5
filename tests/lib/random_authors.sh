# Random-author sessions of kesto-sim edit: the action lines they open (all
# eight editors, new and stored), one session, and its judgement.
random_author_checker=${CHECK_EDIT_OUTPUT:-$SOURCE_DIR/build/native/tests/check-edit-output}
random_author_lines=(
  'ZUVO_Set'
  'ZUVO_Set "Rect1" "button:btn_ok" "caption" "Save"'
  'ZUVO_Set "Rect1" "*style:pnl_x" "style.background" "linear-gradient(135deg,#cc2244,#2244cc)"'
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

# random_author_session KESTO_SIM LINE SEED STEPS: prints the session's output.
# A new action has no rectangle to offer, so its first pick names one.
random_author_session() {
  local sim=$1 line=$2 seed=$3 steps=$4 pick=(--pick-same)
  [ "$line" = "${line%% *}" ] && pick=(--pick Rect1)
  printf 'random %s %s\n' "$seed" "$steps" | timeout 300 "$sim" edit "$line" "${pick[@]}" 2>/dev/null
}

# random_author_check NAME LINE OUTPUT STATUS: the editor contract holds.
random_author_check() {
  check_equal "$1: kesto-sim exit status" 0 "$4"
  check_equal "$1: editor contract" "" "$(printf '%s\n' "$3" | "$random_author_checker" "$2")"
  local taken
  taken=$(printf '%s\n' "$3" | sed -n 's/^random\t\([0-9]*\) steps$/\1/p')
  random_steps=$((random_steps + ${taken:-0}))
  random_sessions=$((random_sessions + 1))
  printf '%s\n' "$3" | grep -qx 'result	1' && random_confirmed=$((random_confirmed + 1))
}
random_steps=0
random_sessions=0
random_confirmed=0
