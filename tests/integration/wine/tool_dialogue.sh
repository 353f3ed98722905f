# The Windows tool at a terminal under Wine: what a person typing words sees,
# and the code it leaves on the clipboard for other programs.
set -u
. "$(dirname "$0")/../lib/tmux.sh"
. "$(dirname "$0")/lib/wine.sh" "$1"
trap 'tmux_stop; wine_release_prefix' EXIT
wine_use_prefix

# type_line WORD: types WORD at the prompt and Enter. Keys that reach the
# console before the tool's read has begun are discarded as type-ahead, so
# the word is typed again until the console echoes it. A try that was only
# slow to show is taken back with backspaces first, so that the line never
# holds the word twice.
type_line() {
  local deadline try
  for try in 1 2 3 4 5; do
    if [ "$try" -gt 1 ]; then
      for _ in $(seq ${#1}); do tmux_keys BSpace; done
    fi
    tmux_keys -l "$1"
    deadline=$((SECONDS + 5))
    until tmux_screen | grep -qxF -- ">$1"; do
      [ $SECONDS -ge $deadline ] && continue 2
      sleep 0.05
    done
    tmux_keys Enter
    return 0
  done
  fail "'$1' was never echoed"
}

TMUX_TIMEOUT=30  # Wine starts a console program in a few seconds
tmux_start "$(wine_command "$WINDOWS_BUILD/app/cmdcode.exe")"
tmux_wait_cursor 1 0
[ "$(tmux_screen | head -n 1)" = ">" ] || fail "the first screen is not the bare prompt"

type_line help
tmux_wait_for '1886152040'
screen=$(tmux_screen | head -n 3)
expected=$(printf '>help\n1886152040\n>')
[ "$screen" = "$expected" ] || fail "after help: $(printf '%q' "$screen")"

type_line QUIT
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
tmux_screen | grep -qx '1953068401' || fail "quit's code not echoed"

clipboard=$(timeout 30 "$WINE" "$WINDOWS_BUILD/tests/clipboard_get.exe") || fail "no text on the clipboard"
[ "$clipboard" = 1953068401 ] || fail "the clipboard holds $(printf '%q' "$clipboard")"
echo "ok"
