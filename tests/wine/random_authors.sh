#!/usr/bin/env bash
# Random authors through the real DLL: kesto-sim opens the editor of each of
# the eight actions, new and stored, and a seeded random author plays it
# (typing, choosing, clicking, Re-Pick, colour answers, the close box). Each
# session must end with no error, no dialog left open, and the parameters as
# the editor contract says (tests/support/check_edit_output.cpp); the same
# seed must play the same session in the native build.
# RANDOM_AUTHOR_SEED picks other seeds, RANDOM_AUTHOR_ROUNDS how many
# sessions each line gets, RANDOM_AUTHOR_STEPS the most steps a session takes.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/edit_steps.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"
source "$SOURCE_DIR/tests/lib/random_authors.sh"
for tool in "$native_kesto_sim" "$random_author_checker"; do
  [ -x "$tool" ] || { echo "FAIL: $tool is not built (build/native)"; exit 1; }
done
seed=${RANDOM_AUTHOR_SEED:-1200}
rounds=${RANDOM_AUTHOR_ROUNDS:-2}
steps=${RANDOM_AUTHOR_STEPS:-40}

start_private_display || { echo "FAIL: no display for Wine"; exit 1; }
keep_wine_session
for round in $(seq "$rounds"); do
  for line in "${random_author_lines[@]}"; do
    seed=$((seed + 1))
    name="${line%% *} seed $seed"
    native=$(random_author_session "$native_kesto_sim" "$line" "$seed" "$steps")
    win32=$(random_author_session "$KESTO_SIM" "$line" "$seed" "$steps")
    random_author_check "$name" "$line" "$win32" $?
    check_equal "$name: the same session as the native build" "$native" "$win32"
  done
done
echo "random authors under Wine: $random_sessions sessions, $random_steps steps, $random_confirmed confirmed with OK"
finish
