# A private tmux server for one test script: its own socket, an 80x24 window,
# and everything it started killed when the script exits.
#
#   . "$(dirname "$0")/../lib/tmux.sh"
#   tmux_start 'command to run'
#   tmux_wait_for 'text'          # until the screen shows it (or fail)
#   tmux_keys -l 'help' ; tmux_keys Enter
#   tmux_screen                   # the visible screen, one line per row

TMUX_SOCKET="cmdcode-test-$$-$RANDOM"
# The waits below end as soon as what they wait for is there; the bound only
# stops a test that hangs, so it leaves room for a loaded machine.
TMUX_TIMEOUT=${TMUX_TIMEOUT:-30}

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

# tmux_wait_cursor X Y: waits until the cursor stands at column X, row Y.
tmux_wait_cursor() {
  local deadline=$((SECONDS + TMUX_TIMEOUT))
  until [ "$(tmux_format '#{cursor_x},#{cursor_y}')" = "$1,$2" ]; do
    [ $SECONDS -ge $deadline ] && fail "cursor not at $1,$2 but at $(tmux_format '#{cursor_x},#{cursor_y}')"
    sleep 0.05
  done
}

# tmux_wait_blocked: waits until the pane's program sleeps in the kernel, as
# it does blocked in a read of the terminal; keys sent from then on reach
# that read rather than the time before it. Start the program with `exec` so
# that it is the pane's own process, not a shell's child.
tmux_wait_blocked() {
  local pid state deadline=$((SECONDS + TMUX_TIMEOUT))
  pid=$(tmux_format '#{pane_pid}')
  while :; do
    state=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f1)
    [ "$state" = S ] && return 0
    [ $SECONDS -ge $deadline ] && fail "process $pid did not block (state '$state')"
    sleep 0.02
  done
}

# tmux_wait_lines FILE N: waits until FILE has at least N lines.
tmux_wait_lines() {
  local deadline=$((SECONDS + TMUX_TIMEOUT))
  until [ "$(wc -l 2>/dev/null <"$1" || echo 0)" -ge "$2" ]; do
    [ $SECONDS -ge $deadline ] && fail "$1 has fewer than $2 lines: $(tr '\n' '|' <"$1" 2>/dev/null)"
    sleep 0.02
  done
}

# tmux_cells: the visible screen cell by cell, one line per character:
#   ROW COLUMN FOREGROUND BACKGROUND CHARACTER
# with the colours as tmux numbers them (0-7, 8-15 for the bright ones, d for
# the terminal's default). tmux writes only the changes of attribute, from
# cell to cell and from line to line.
tmux_cells() {
  tmux_cmd capture-pane -e -p | LC_ALL=C awk '
    BEGIN { fg = "d"; bg = "d"; esc = sprintf("%c", 27) }
    {
      line = $0; column = 0
      while (length(line) > 0) {
        if (substr(line, 1, 2) == esc "[") {
          end = index(line, "m")
          count = split(substr(line, 3, end - 3), code, ";")
          line = substr(line, end + 1)
          if (count == 0) { fg = "d"; bg = "d" }
          for (i = 1; i <= count; i++) {
            c = code[i] + 0
            if (c == 0) { fg = "d"; bg = "d" }
            else if (c >= 30 && c <= 37) fg = c - 30
            else if (c >= 90 && c <= 97) fg = c - 82
            else if (c == 39) fg = "d"
            else if (c >= 40 && c <= 47) bg = c - 40
            else if (c >= 100 && c <= 107) bg = c - 92
            else if (c == 49) bg = "d"
            else if ((c == 38 || c == 48) && code[i + 1] == 5) {
              if (c == 38) fg = code[i + 2] + 0; else bg = code[i + 2] + 0
              i += 2
            }
          }
        } else {
          printf "%d %d %s %s %s\n", NR - 1, column, fg, bg, substr(line, 1, 1)
          line = substr(line, 2); column++
        }
      }
    }'
}

# tmux_wait_exit: waits until the pane's command has ended; prints its exit
# status ("signal N" when a signal ended it). tmux may mark the pane dead
# when its terminal closes, before it has reaped the program, and now and
# then (tmux 3.3) it never reaps it at all; the status is then read from the
# zombie the program left.
tmux_wait_exit() {
  local pid stat code deadline=$((SECONDS + TMUX_TIMEOUT))
  pid=$(tmux_format '#{pane_pid}')
  while :; do
    if [ "$(tmux_format '#{pane_dead}')" = 1 ]; then
      code=$(tmux_format '#{pane_dead_status}')
      [ -n "$code" ] && { echo "$code"; return 0; }
      # Past the command name, field 1 is the state and field 50 the wait
      # status (proc(5) numbers them 3 and 52).
      stat=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null)
      if [ "${stat%% *}" = Z ]; then
        code=$(cut -d' ' -f50 <<<"$stat")
        [ $((code & 0x7f)) = 0 ] && echo $((code >> 8)) || echo "signal $((code & 0x7f))"
        return 0
      fi
    fi
    [ $SECONDS -ge $deadline ] && fail "timed out waiting for the program's exit status"
    sleep 0.05
  done
}
