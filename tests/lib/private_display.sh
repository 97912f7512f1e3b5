# Starts a private Xvfb for the test (Wine makes no windows without one) and
# stops it, by its own process id, when the test ends.
#
# A Wine session keeps the X display it started with until its last process
# has gone, so the display opens only after earlier sessions have ended, and
# closes only after this one has.
private_display_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$private_display_root/scripts/lib/windows_tree.sh"
end_wine_session() {
  local prefix=${WINEPREFIX:-$(root=$private_display_root windows_tree)/wineprefix}
  [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
}
stop_private_display() {
  end_wine_session
  kill "$private_display_pid" 2>/dev/null || true
}
start_private_display() {
  local n
  end_wine_session
  for n in $(seq 150 220); do
    { [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; } && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    private_display_pid=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    export DISPLAY=:$n
    trap stop_private_display EXIT
    return 0
  done
  return 1
}
