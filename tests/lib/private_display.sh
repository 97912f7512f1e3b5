# Starts a private Xvfb for the test (Wine makes no windows without one) and
# stops it, by its own process id, when the test ends.
start_private_display() {
  local n
  for n in $(seq 150 220); do
    { [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; } && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    private_display_pid=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    export DISPLAY=:$n
    trap 'kill "$private_display_pid" 2>/dev/null' EXIT
    return 0
  done
  return 1
}
