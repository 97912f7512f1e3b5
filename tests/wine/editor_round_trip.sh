#!/usr/bin/env bash
# Each action composed in its real dialog in the DLL under Wine and then
# executed by the same DLL.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/editor_round_trip.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
start_private_display
keep_wine_session
sim=$KESTO_SIM
run_round_trips
finish
