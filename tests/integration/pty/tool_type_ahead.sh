# Keys typed while the tool is busy are not read as the next word.
. "$(dirname "$0")/../lib/tool.sh" "$1"

# The pane's shell holds the terminal until the keys are in its input; the
# tool starts afterwards and must discard them before its first read.
go="$runtime/go"
tmux_start "while [ ! -e $(printf %q "$go") ]; do sleep 0.02; done; $(tool_command)"
tmux_keys -l 'exit'; tmux_keys Enter
# Echoed by the terminal, Enter included: the line waits in its input.
tmux_wait_for 'exit'
tmux_wait_cursor 0 1
touch "$go"
tmux_wait_for '>'
tool_type -l 'help'; tmux_keys Enter
tmux_wait_for '1886152040'
tmux_screen | grep -q '1953069157' && fail "the typed-ahead word was read"
tmux_wait_cursor 1 3
tool_type -l 'quit'; tmux_keys Enter
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
echo "ok"
