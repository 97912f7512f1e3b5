#!/usr/bin/env bash
# The dialogs in every built-in language, at 96 and 144 DPI: every editor's
# dialog and the gradient builder, with each language played to the editors
# in turn (UiWin32Languages). Every label, button caption and drop-down
# entry fits across (an entry in the open list) and is at least the font's
# cell high, every access key is unique within its dialog, and only the
# Arabic dialogs are mirrored.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
start_private_display

for dpi in 96 144; do
  export WINE_DPI=$dpi
  keep_wine_session
  out=$(EXPECT_DPI=$dpi "$SOURCE_DIR/bin/wine-run" "$BUILD_DIR/tests/zuvo_tests.exe" \
    --gtest_filter='UiWin32Languages.*' 2>&1)
  status=$?
  check_equal "every language's dialogs fit at $dpi DPI" 0 "$status"
  [ "$status" -eq 0 ] || echo "$out" | grep -E "Failure|FAILED|Expected|Which is|: " | head -40
  check_equal "12 languages measured at $dpi DPI" 12 "$(grep -c 'texts measured in 11 dialogs' <<<"$out")"
  end_wine_session
done
unset WINE_DPI
finish
