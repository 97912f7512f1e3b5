#!/usr/bin/env bash
# The dialogs on displays of 144 and 192 DPI, each in its own Wine prefix:
# the backend's tests there (window, controls and font scaled, texts that
# fit or end in an ellipsis with a tooltip, themed buttons, a change of DPI,
# Tahoma measuring as the design font so the font adds no scale of its own,
# and every editor's texts at 144), and kesto-sim's dumps of real dialogs, whose geometry must
# be the 96-DPI layout of the native build scaled (within a pixel).
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/edit_steps.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
[ -x "$native_kesto_sim" ] || { echo "FAIL: the native kesto-sim is not built ($native_kesto_sim)"; exit 1; }
start_private_display

# DPI | action line | steps before the dump (";" between steps)
dialogs=(
  '144|ZUVO_Set "Rect1" "button:btn_ok" "style.background" "#336699"|'
  '144|ZUVO_Set "Rect1" "button:btn_ok" "style.background" "#336699"|click Gradient...'
  '144|ZUVO_Get "Rect1" "label:lbl_status" "caption" "[Status]"|'
  '192|ZUVO_Set "Rect1" "button:btn_ok" "style.background" "#336699"|'
)

for dpi in 144 192; do
  export WINE_DPI=$dpi
  keep_wine_session
  # Every editor's texts at 144 DPI, where the scale is not a whole number
  # (at 96 DPI: edit_backend.sh); the backend's own tests at both.
  filter='UiWin32Dpi*:UiWin32Fonts*'
  [ "$dpi" = 144 ] && filter+=':UiWin32Editors*'
  out=$(EXPECT_DPI=$dpi "$SOURCE_DIR/bin/wine-run" "$BUILD_DIR/tests/zuvo_tests.exe" --gtest_filter="$filter" 2>&1)
  status=$?
  check_equal "backend tests at $dpi DPI pass" 0 "$status"
  [ "$status" -eq 0 ] || echo "$out" | grep -E "Failure|FAILED|Expected|Which is|actual|:" | head -30
  check_equal "nothing skipped at $dpi DPI" 0 "$(grep -c '\[  SKIPPED \]' <<<"$out")"

  for entry in "${dialogs[@]}"; do
    IFS='|' read -r at line steps <<<"$entry"
    [ "$at" = "$dpi" ] || continue
    script=$({ tr ';' '\n' <<<"$steps"; echo dump; })
    native=$("$native_kesto_sim" edit "$line" <<<"$script" 2>/dev/null | grep -E '^(window|control|entry)')
    win32=$("$KESTO_SIM" edit "$line" --dpi "$dpi" <<<"$script" 2>/dev/null | grep -E '^(window|control|entry)')
    check_equal "$line ${steps:+($steps) }at $dpi DPI: the 96-DPI layout scaled" "" \
      "$(python3 "$SOURCE_DIR/tests/lib/scaled_dump.py" "$dpi" <(printf '%s\n' "$native") <(printf '%s\n' "$win32"))"
  done
  end_wine_session
done
unset WINE_DPI
finish
