#!/usr/bin/env bash
# Every step file of tests/steps through the native kesto-sim and through
# the real DLL under Wine: the dialogs, driven by Win32 messages, must give
# the same dumps, messages, results and parameters as the headless build.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/edit_steps.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
[ -x "$native_kesto_sim" ] || { echo "FAIL: the native kesto-sim is not built ($native_kesto_sim)"; exit 1; }
start_private_display
keep_wine_session
mkdir -p /tmp/zuvo-edit-steps
printf 'not really a picture' >/tmp/zuvo-edit-steps/photo.png
for file in "$SOURCE_DIR"/tests/steps/*.steps; do
  compare_step_file "$file"
done
finish
