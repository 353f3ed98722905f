# A private X display for one test script, with its own clipboard lock
# folder, and everything started here stopped when the script exits.
#
#   . "$(dirname "$0")/../lib/xvfb.sh"
#   xvfb_start                  # exports DISPLAY
#   x11_clipboard               # the CLIPBOARD text, as xclip reads it
#   x11_clipboard_set TEXT      # sets it with xclip

XVFB_PID=""
X11_RUNTIME=$(mktemp -d)
# The desktop's clipboard, chosen because DISPLAY is set and nothing else is.
unset CMDCODE_CLIPBOARD WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$X11_RUNTIME"

xvfb_stop() {
  if [ -n "$XVFB_PID" ]; then
    kill -CONT "$XVFB_PID" 2>/dev/null  # a test may have frozen it
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  fi
}

x11_cleanup() {
  xvfb_stop
  rm -rf "$X11_RUNTIME"
}
trap x11_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Xvfb picks a free display number itself and writes it to the descriptor
# given with -displayfd once it accepts clients.
xvfb_start() {
  local number_file="$X11_RUNTIME/display" deadline=$((SECONDS + 20))
  Xvfb -displayfd 3 -nolisten tcp -screen 0 320x200x24 3>"$number_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  until grep -q '^[0-9][0-9]*$' "$number_file" 2>/dev/null; do
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start"
    [ $SECONDS -ge $deadline ] && fail "Xvfb gave no display number"
    sleep 0.05
  done
  export DISPLAY=":$(head -n 1 "$number_file")"
}

# A display number that nothing serves.
dead_display() {
  local n=4000
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
  done
  echo ":$n"
}

x11_clipboard() { timeout 10 xclip -selection clipboard -out 2>/dev/null; }

x11_clipboard_set() { printf '%s' "$1" | timeout 10 xclip -selection clipboard -in >/dev/null 2>&1; }
