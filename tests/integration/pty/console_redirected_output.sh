# A program at a terminal whose output goes to a file: the requests that act
# on the output are refused, the title still reaches the terminal, nothing of
# the screen control lands in the file but the bell, and the pause still
# waits for a key.
. "$(dirname "$0")/../lib/console_probe.sh" "$1"

tmux_start "$(probe_command cursor 0 0 attribute 0x1F window 0 79 0 23 title redirected clear beep pause) >$(printf %q "$work/out")"

tmux_wait_lines "$log" 7
tmux_wait_blocked
expected='cursor 0 0 false|attribute 0x1F false|window 0 79 0 23 false|title true|clear true|beep true|pause|'
[ "$(tr '\n' '|' <"$log")" = "$expected" ] || fail "results: $(tr '\n' '|' <"$log")"
[ "$(tmux_format '#{pane_title}')" = redirected ] || fail "title: $(tmux_format '#{pane_title}')"
[ "$(od -An -tx1 "$work/out" | tr -d ' \n')" = 07 ] || fail "output: $(od -An -c "$work/out")"

tmux_keys -l k
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
[ "$(tail -n 1 "$log")" = end ] || fail "the program did not end"
echo "ok"
