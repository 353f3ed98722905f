# Ctrl+D at the prompt ends the tool cleanly instead of reading empty lines.
. "$(dirname "$0")/../lib/tool.sh" "$1"

tmux_start "$(tool_command)"
tmux_wait_cursor 1 0
tool_type -l 'q'; tmux_keys Enter
tmux_wait_for '113'
tmux_wait_cursor 1 2
tool_type C-d
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
# Had the end of input been read as empty lines, their code 0 would show.
tmux_screen -S - | grep -qx '0' && fail "the end of input was read as an empty line"
echo "ok"
