# Ctrl+D at the prompt ends the tool cleanly instead of reading empty lines.
set -u
. "$(dirname "$0")/../lib/tmux.sh"
tool="$1/app/cmdcode"
runtime=$(mktemp -d)
trap 'tmux_stop; rm -rf "$runtime"' EXIT

tmux_start "XDG_RUNTIME_DIR=$runtime CMDCODE_CLIPBOARD=file $tool"
tmux_wait_cursor 1 0
tmux_keys -l 'q'; tmux_keys Enter
tmux_wait_for '113'
tmux_keys C-d
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
# Had the end of input been read as empty lines, their code 0 would show.
tmux_screen -S - | grep -qx '0' && fail "the end of input was read as an empty line"
echo "ok"
