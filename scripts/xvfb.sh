# Sourced: starts a private Xvfb display when none is set, and stops it (by its
# process id) when the sourcing shell exits.
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { xvfb_display=":$n"; break; }
  done
  Xvfb "$xvfb_display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null' EXIT
  export DISPLAY="$xvfb_display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${xvfb_display#:}" ] && break; sleep 0.1; done
fi
