#!/usr/bin/env bash
# bin/guest, the emulated i386-capable machine: a command runs there in the
# work tree at this tree's own path, with the words it was given; its
# output and exit status come back; the machine runs 32-bit x86 programs;
# what the command writes to the tree stays there; and a machine that has
# not finished within the time limit is stopped, with status 124 and a
# message that says so.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/tests/lib/check.sh"
cd "$root"

status=0
out=$(bin/guest --timeout 300 bash -c '
  pwd; printf "%s|" "$@"; echo
  source scripts/lib/windows_tree.sh; machine_runs_i386 && echo "runs i386"
  touch written-in-guest
  exit 7' guest 'two words' '$HOME' 2>&1) || status=$?
check_equal "the command's exit status comes back" 7 "$status"
check_equal "output: the tree's path, the words as given, 32-bit programs run" \
  "$(printf '%s\ntwo words|$HOME|\nruns i386' "$root")" "$out"
check_equal "what the command writes stays in the machine" "no" "$([ -e written-in-guest ] && echo yes || echo no)"

status=0
out=$(bin/guest --timeout 5 true 2>&1) || status=$?
check_equal "a machine still running after the limit: status 124" 124 "$status"
check_contains "and a message that says so" "still running after 5 s and was stopped" "$out"
finish
