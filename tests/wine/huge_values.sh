#!/usr/bin/env bash
# Text values of hundreds of megabytes and null parameter lists through the
# real DLL under Wine, in a host of its own (tests/wine/huge_values_host.c)
# that holds each value once, as Kesto holds a variable, in a process that
# is not large-address-aware. The process must live through all of it:
# 100 MB values go whole, a line too large for the address space is not
# sent at all, and an editor over a 300 MB parameter leaves it untouched.
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The host, built with the tree, is for the DLL's machine: the 32-bit DLL,
# or the x86-64 build of the same sources.
case $(objdump -f "$BUILD_DIR/zuvo_companion.dll" | grep -o 'pei-[a-z0-9-]*') in
  pei-i386) machine=i686 ;;
  *) machine=x86_64 ;;
esac
host=$BUILD_DIR/tests/huge_values_host.exe
if [ "$machine" = i686 ]; then
  # Characteristics bit 0x20 is "large address aware": it must be clear.
  flags=$(objdump -p "$host" | awk '/^Characteristics/ {print $2}')
  check_equal "the host sees 2 GiB of address space" "0" "$(( flags & 0x20 ))"
fi

dll="Z:${BUILD_DIR//\//\\}\\zuvo_companion.dll"
run_host() {  # the host's output, and "exit N" when it ended otherwise than normally
  local status=0
  WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" "$SOURCE_DIR/bin/wine-run" "$host" "$dll" "$@" \
    >"$work/out" 2>/dev/null || status=$?
  grep '^peak' "$work/out" | sed "s/^/$* /" >&2  # memory figures, for the log
  tr -d '\r' <"$work/out" | grep -v '^peak'
  [ "$status" -eq 0 ] || printf '\nexit %s' "$status"
}

for action in set items-set addrow; do
  check_equal "a 100 MB value of $action goes whole" "$(printf 'sent whole\nresult 1\nlist intact')" \
    "$(run_host exec $action 100 | sed -E 's/^sent [0-9]+ /sent /')"
done
# 300 MB goes whole where the address space has room for the line beside
# the value; either way the action returns 1 and never sends part of it.
big=$(run_host exec items-set 300)
check_contains "a 300 MB text of ZUVO_Items ends quietly" "$(printf 'result 1\nlist intact')" "$big"
check_equal "a 300 MB text is sent whole or not at all" "" "$(grep -v -E '^(sent [0-9]+ whole|sent nothing|result 1|list intact)$' <<<"$big")"
# Three escaped copies of 500 MB exceed the 32-bit address space: nothing
# is sent, never a part of the line, and the action still returns 1. (The
# host itself cannot hold 600 MB in one block there.)
if [ "$machine" = i686 ]; then
  check_equal "a line too large for 2 GiB is not sent" "$(printf 'sent nothing\nresult 1\nlist intact')" \
    "$(run_host exec items-add 500)"
fi
check_equal "an editor over a 300 MB stored value returns 0 and leaves the list" \
  "$(printf 'sent nothing\nresult 0\nlist intact')" "$(run_host edit set 300)"
check_equal "null lists: execution returns 1 and sends nothing, editors return 0" \
  "$(for i in 1 2 3 4 5 6 7 8; do echo "exec $i: 1"; done; for i in 1 2 3 4 5 6 7 8; do echo "edit $i: 0"; done; echo 'lines 0')" \
  "$(run_host null)"
finish
