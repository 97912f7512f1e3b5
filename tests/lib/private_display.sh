# Starts a private Xvfb for the test (Wine makes no windows without one) and
# stops it, by its own process id, when the test ends.
#
# A Wine session keeps the X display it started with until its last process
# has gone, so the display opens only after earlier sessions have ended, and
# closes only after this one has.
#
# keep_wine_session then keeps one Wine session open between the test's
# programs: a new session starts Wine's server, services and desktop anew,
# which costs a second or two here and half a minute in bin/guest's machine.
private_display_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$private_display_root/scripts/lib/windows_tree.sh"
# A kept session still ends this long after its last program, should the
# test be killed before it could end the session itself.
kept_session_seconds=60
kept_prefixes=()
private_display_pid=

current_prefix() { root=$private_display_root wine_prefix "$(root=$private_display_root windows_tree)"; }

# Ends the Wine sessions of this test: the kept ones at once, then waits for
# the one of the current prefix.
end_wine_session() {
  local prefix
  for prefix in ${kept_prefixes[@]+"${kept_prefixes[@]}"}; do
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  done
  kept_prefixes=()
  prefix=$(current_prefix)
  [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
}
stop_private_display() {
  end_wine_session
  [ -z "$private_display_pid" ] || kill "$private_display_pid" 2>/dev/null || true
}
# Its screens are Xvfb's options given (one 1280x1024 screen without any),
# such as "-screen 0 800x600x24 -screen 1 800x600x24 +xinerama" for two
# monitors side by side.
start_private_display() {
  local n screens=("$@")
  [ ${#screens[@]} -gt 0 ] || screens=(-screen 0 1280x1024x24)
  end_wine_session
  [ -z "$private_display_pid" ] || kill "$private_display_pid" 2>/dev/null || true
  for n in $(seq 150 220); do
    { [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; } && continue
    Xvfb :$n "${screens[@]}" -nolisten tcp >/dev/null 2>&1 &
    private_display_pid=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    export DISPLAY=:$n
    trap stop_private_display EXIT
    return 0
  done
  return 1
}

# Keeps the session of the prefix bin/wine-run picks now (WINE_DPI,
# WINE_FONT) open until end_wine_session. The prefix is made and set up
# first, by a program of its own, since setting it up waits for its session
# to end. Then the kept session's own processes (services, desktop) start
# with no output: they outlive the test's programs, and a command
# substitution would otherwise wait for them, as for any holder of its pipe.
keep_wine_session() {
  local prefix
  prefix=$(current_prefix)
  "$private_display_root/bin/wine-run" cmd /c exit </dev/null >/dev/null 2>&1 || true
  WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
  WINEPREFIX=$prefix wineserver -p"$kept_session_seconds" </dev/null >/dev/null 2>&1 || true
  "$private_display_root/bin/wine-run" cmd /c exit </dev/null >/dev/null 2>&1 || true
  kept_prefixes+=("$prefix")
  trap stop_private_display EXIT
}
