#!/usr/bin/env bash
# The Win32 UI backend's own tests, with real windows: zuvo_tests.exe under
# Wine on a private X display.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
start_private_display
out=$("$SOURCE_DIR/bin/wine-run" "$BUILD_DIR/tests/zuvo_tests.exe" --gtest_filter='UiWin32*:-UiWin32Languages.*' 2>&1)
status=$?
check_equal "backend tests pass" 0 "$status"
[ "$status" -eq 0 ] || echo "$out" | grep -E "Failure|FAILED|Expected|Which is|actual" | head -30
check_contains "no backend test skipped" "[  PASSED  ]" "$out"
skipped=$(grep -c "\[  SKIPPED \]" <<<"$out")
check_equal "nothing skipped for want of a display" 0 "$skipped"
finish
