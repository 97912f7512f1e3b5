#!/usr/bin/env bash
# Each action composed in its editor (headless) and then executed.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/editor_round_trip.sh"
sim=$BUILD_DIR/tools/kesto-sim
run_round_trips
finish
