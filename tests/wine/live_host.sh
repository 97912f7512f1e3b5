#!/usr/bin/env bash
# The real DLL in a host that does what a live Kesto can do while an editor
# is up (tests/wine/live_host.c): start a second edit that fails, destroy
# the window owning the editor, make controls of its own, and open editors
# on a screen lower than the dialogs. Kesto's process must live through all
# of it, and each edit end as an author expects. (Wine under Xvfb shows one
# monitor even on two Xinerama screens: placement on a second monitor is
# checked by the backend's own tests, tests/win32.)
set -uo pipefail
source "$SOURCE_DIR/tests/lib/check.sh"
source "$SOURCE_DIR/tests/lib/private_display.sh"

host=$BUILD_DIR/tests/live_host.exe
dll="Z:${BUILD_DIR//\//\\}\\zuvo_companion.dll"
# The host's output, and "exit N" when it ended otherwise than normally.
# Times ("ms ...") go to the log, not into the checks: how long the return
# takes is a figure of the machine, and a hung edit ends in the host's
# watchdog ("hung").
run_host() {
  local status=0 out
  out=$(WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" "$SOURCE_DIR/bin/wine-run" "$host" "$dll" "$@" \
    2>/dev/null) || status=$?
  grep '^ms ' <<<"$out" | sed "s/^/$* /" >&2
  tr -d '\r' <<<"$out" | grep -v '^ms '
  [ "$status" -eq 0 ] || printf 'exit %s\n' "$status"
}

# A screen lower than every dialog, so that the placement below sees each
# dialog kept on it; the other scenarios do not mind its size. One display
# and one Wine session for all: each costs half a minute in bin/guest's
# machine.
start_private_display -screen 0 800x160x24
keep_wine_session

# In a 32-bit process the second edit fails for want of address space; a
# 64-bit one cannot be filled so, and there its dialog is closed instead.
case $(objdump -f "$BUILD_DIR/zuvo_companion.dll" | grep -o 'pei-[a-z0-9-]*') in
  pei-i386) inner='failed' ;;
  *) inner='closed by the author' ;;
esac
check_equal "a second edit inside an editor's loop closes nothing of the editor around it" \
  "$(printf '%s\n' "inner edit 0 ($inner), list intact" 'outer dialog still open' \
    'outer edit 1, subroutine AfterTheFailure')" \
  "$(run_host nested)"

check_equal "the owner destroyed: the edit ends, writing nothing" \
  "$(printf '%s\n' 'dialog owned by the main window: yes' \
    'edit returned 0 after the owner went' 'list intact, dialogs left 0')" \
  "$(run_host owner-destroyed)"
check_equal "the owner destroyed under the gradient builder: both end" \
  "$(printf '%s\n' 'builder open' 'dialog owned by the main window: yes' \
    'edit returned 0 after the owner went' 'list intact, dialogs left 0')" \
  "$(run_host builder-destroyed)"

check_equal "the gradient builder is modal to the dialog under it, and Kesto's window stays enabled" \
  "$(printf '%s\n' 'while the builder is up the dialog under it is disabled' 'the builder is active' \
    'after the builder the dialog is enabled and active' 'main window enabled' \
    'edit 1, value linear-gradient(135deg,#cc2244,#2244cc)')" \
  "$(run_host builder)"

check_equal "Kesto's own controls keep their version while an editor is up" \
  "$(printf '%s\n' 'a button Kesto makes before the edit: version 5' \
    'a button Kesto makes during the edit: version 5' 'a button Kesto makes after the edit: version 5')" \
  "$(run_host host-control)"

placed() {  # the expected placement line of every editor
  local name
  for name in ZUVO_Set ZUVO_Get ZUVO_Visibility ZUVO_Navigate ZUVO_Items ZUVO_GoSub ZUVO_AddRow ZUVO_ClearRows; do
    echo "$name: $1"
  done
}
check_equal "dialogs taller than the screen keep their caption on it" \
  "$(placed 'on the owner'"'"'s monitor yes, not inside its work area, caption reachable, centred across')" \
  "$(run_host placement 40 40)"

finish
