#!/usr/bin/env bash
# The dialogs in a message font like today's Windows: DejaVu Sans Condensed
# at 14 px (bin/wine-run's WINE_FONT=dejavu-condensed, 8 x 16 against the
# design font's 6 x 13), at 96 and 144 DPI. Every editor's texts fit across
# and down and every field follows its own label (the backend's tests), and
# kesto-sim edit --font shows the dialog grown with the font, across by 8/6
# and down by 16/13 on top of the DPI.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
start_private_display
export WINE_FONT=dejavu-condensed

# DPI | the ZUVO_Set dialog's inner size there (510 x 316 grown)
sizes=('96|680x389' '144|1020x583')

for entry in "${sizes[@]}"; do
  IFS='|' read -r dpi size <<<"$entry"
  export WINE_DPI=$dpi
  keep_wine_session
  out=$(EXPECT_DPI=$dpi EXPECT_FONT_UNITS=8x16 "$SOURCE_DIR/bin/wine-run" "$BUILD_DIR/tests/zuvo_tests.exe" \
    --gtest_filter='UiWin32Editors*:UiWin32Font*' 2>&1)
  status=$?
  check_equal "the backend's tests in the stand-in font at $dpi DPI pass" 0 "$status"
  [ "$status" -eq 0 ] || echo "$out" | grep -E "Failure|FAILED|Expected|Which is|actual|:" | head -40
  check_equal "nothing skipped at $dpi DPI" 0 "$(grep -c '\[  SKIPPED \]' <<<"$out")"

  dump=$("$KESTO_SIM" edit 'ZUVO_Set "Rect1" "button:btn_ok" "caption" "Save"' --font "$WINE_FONT" --dpi "$dpi" \
    <<<dump 2>/dev/null | grep '^window')
  check_contains "kesto-sim edit --font at $dpi DPI: the dialog grown with the font" "inner $size" "$dump"
  end_wine_session
done
unset WINE_DPI WINE_FONT
finish
