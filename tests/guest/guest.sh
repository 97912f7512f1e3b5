#!/usr/bin/env bash
# bin/guest, the emulated i386-capable machine: a command runs there in the
# work tree at this tree's own path, with the words it was given; its
# output and exit status come back; the machine runs 32-bit x86 programs
# and 32-bit Wine, in a prefix bin/wine-run copies from the image's; what
# the command writes to the tree stays there; a machine that crashed ends
# with status 125, and one that has not finished within the time limit is
# stopped, with status 124; both say so.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/tests/lib/check.sh"
cd "$root"

status=0
out=$(bin/guest --timeout 300 bash -c '
  pwd; printf "%s|" "$@"; echo
  source scripts/lib/windows_tree.sh; machine_runs_i386 && echo "runs i386"
  touch written-in-guest
  tree=$(mktemp -d)
  WIN_BUILD_DIR=$tree bin/wine-run cmd /c echo 32-bit Wine | tr -d "\r"
  grep -qx "#arch=win32" "$tree/wineprefix/system.reg" && echo "a 32-bit prefix"
  exit 7' guest 'two words' '$HOME' 2>&1) || status=$?
check_equal "the command's exit status comes back" 7 "$status"
check_equal "output: the tree's path, the words as given, 32-bit programs and Wine run" \
  "$(printf '%s\ntwo words|$HOME|\nruns i386\n32-bit Wine\na 32-bit prefix' "$root")" "$out"
check_equal "what the command writes stays in the machine" "no" "$([ -e written-in-guest ] && echo yes || echo no)"

status=0
out=$(bin/guest --timeout 300 bash -c 'echo c >/proc/sysrq-trigger' 2>&1) || status=$?
check_equal "a machine that crashed: status 125" 125 "$status"
check_contains "and a message that says so" "without the command's status" "$out"

status=0
out=$(bin/guest --timeout 5 true 2>&1) || status=$?
check_equal "a machine still running after the limit: status 124" 124 "$status"
check_contains "and a message that says so" "still running after 5 s and was stopped" "$out"
finish
