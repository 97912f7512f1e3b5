#!/usr/bin/env bash
# Many random authors over the headless editors: every action line of the
# random-author test with many seeds, each session judged by the editor
# contract. Fast enough to play far more sessions than the run under Wine.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/random_authors.sh"
kesto_sim=$BUILD_DIR/tools/kesto-sim
seeds=${RANDOM_AUTHOR_SEEDS:-8}
for line in "${random_author_lines[@]}"; do
  for seed in $(seq 1 "$seeds"); do
    output=$(random_author_session "$kesto_sim" "$line" "$seed" 60)
    random_author_check "${line%% *} seed $seed" "$line" "$output" $?
  done
done
echo "random authors, headless: $random_sessions sessions, $random_steps steps, $random_confirmed confirmed with OK"
finish
