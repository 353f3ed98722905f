# Keys typed while the tool is busy are not read as the next word.
set -u
. "$(dirname "$0")/../lib/tmux.sh"
tool="$1/app/cmdcode"
runtime=$(mktemp -d)
trap 'tmux_stop; rm -rf "$runtime"' EXIT

# The shell's sleep keeps the terminal busy while the keys arrive; the tool
# starts afterwards and must discard them before its first read.
tmux_start "stty -echo; sleep 1; stty echo; XDG_RUNTIME_DIR=$runtime CMDCODE_CLIPBOARD=file exec $tool"
tmux_keys -l 'exit'; tmux_keys Enter
tmux_wait_for '>'
tmux_keys -l 'help'; tmux_keys Enter
tmux_wait_for '1886152040'
tmux_screen | grep -q '1953069157' && fail "the typed-ahead word was read"
tmux_keys -l 'quit'; tmux_keys Enter
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
echo "ok"
