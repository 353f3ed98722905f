# The tool at a real terminal: what a person typing words sees.
. "$(dirname "$0")/../lib/tool.sh" "$1"

tmux_start "$(tool_command)"
tmux_wait_cursor 1 0
[ "$(tmux_screen | head -n 1)" = ">" ] || fail "the first screen is not the bare prompt"

tool_type -l 'help'; tmux_keys Enter
tmux_wait_for '1886152040'
screen=$(tmux_screen | head -n 3)
expected=$(printf '>help\n1886152040\n>')
[ "$screen" = "$expected" ] || fail "after help: $(printf '%q' "$screen")"

# The terminal's own line editing: the typo is erased before Enter.
tmux_wait_cursor 1 2
tool_type -l 'QUIX'; tmux_keys BSpace; tmux_keys -l 'T'; tmux_keys Enter
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
tmux_screen | grep -qx '1953068401' || fail "quit's code not echoed"
echo "ok"
