# A private tmux server for one test script: its own socket, an 80x24 window,
# and everything it started killed when the script exits.
#
#   . "$(dirname "$0")/../lib/tmux.sh"
#   tmux_start 'command to run'
#   tmux_wait_for 'text'          # until the screen shows it (or fail)
#   tmux_keys -l 'help' ; tmux_keys Enter
#   tmux_screen                   # the visible screen, one line per row

TMUX_SOCKET="cmdcode-test-$$-$RANDOM"
TMUX_TIMEOUT=${TMUX_TIMEOUT:-10}

tmux_cmd() { tmux -L "$TMUX_SOCKET" -f /dev/null "$@"; }

tmux_stop() {
  local pid
  pid=$(tmux_cmd display-message -p '#{pid}' 2>/dev/null) || return 0
  tmux_cmd kill-server 2>/dev/null
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  return 0
}
trap tmux_stop EXIT

# tmux_start COMMAND: runs COMMAND in a fresh 80x24 pane that stays after the
# command ends, so that its exit status and last screen can be read.
tmux_start() {
  tmux_cmd new-session -d -x 80 -y 24 -e TERM=xterm-256color "$1" || return 1
  tmux_cmd set-option -g remain-on-exit on >/dev/null
}

tmux_keys() { tmux_cmd send-keys "$@"; }

tmux_screen() { tmux_cmd capture-pane -p "$@"; }

tmux_format() { tmux_cmd display-message -p "$1"; }

fail() {
  echo "FAIL: $*" >&2
  echo "--- screen:" >&2
  tmux_screen >&2 2>/dev/null
  exit 1
}

# tmux_wait_for TEXT: waits until a screen line contains TEXT.
tmux_wait_for() {
  local deadline=$((SECONDS + TMUX_TIMEOUT))
  until tmux_screen | grep -qF -- "$1"; do
    [ $SECONDS -ge $deadline ] && fail "timed out waiting for '$1'"
    sleep 0.05
  done
}

# tmux_wait_exit: waits until the pane's command has ended; prints its status.
tmux_wait_exit() {
  local deadline=$((SECONDS + TMUX_TIMEOUT))
  until [ "$(tmux_format '#{pane_dead}')" = 1 ]; do
    [ $SECONDS -ge $deadline ] && fail "timed out waiting for the program to end"
    sleep 0.05
  done
  tmux_format '#{pane_dead_status}'
}

# tmux_wait_cursor X Y: waits until the cursor stands at column X, row Y.
tmux_wait_cursor() {
  local deadline=$((SECONDS + TMUX_TIMEOUT))
  until [ "$(tmux_format '#{cursor_x},#{cursor_y}')" = "$1,$2" ]; do
    [ $SECONDS -ge $deadline ] && fail "cursor not at $1,$2 but at $(tmux_format '#{cursor_x},#{cursor_y}')"
    sleep 0.05
  done
}
