# The pause at a real terminal: its prompt and where it leaves the cursor,
# which keys end it, the second code an extended key leaves for the next
# pause, Ctrl+C as a plain key, keys typed ahead, and a redirected input.
. "$(dirname "$0")/../lib/console_probe.sh" "$1"
prompt='Appuyez sur une touche pour continuer...'

# paused_count: how many pauses have ended.
paused_count() { grep -cx paused "$log"; }

# expect_paused N: N pauses have ended, and the program waits for a key.
expect_paused() {
  local deadline=$((SECONDS + TMUX_TIMEOUT))
  until [ "$(paused_count)" -ge "$1" ]; do
    [ $SECONDS -ge $deadline ] && fail "only $(paused_count) pauses ended, not $1"
    sleep 0.02
  done
  tmux_wait_blocked
  [ "$(paused_count)" = "$1" ] || fail "$(paused_count) pauses ended, not $1: $(tr '\n' '|' <"$log")"
}

# Input from /dev/null: the pause still waits for a key at the terminal.
tmux_start "$(probe_command pause pause-show pause pause pause wait-file "$work/go" pause pause wait-file "$work/end") </dev/null"

# pause(false) writes nothing.
expect_paused 0
[ -z "$(tmux_screen | tr -d '\n')" ] || fail "pause(false) wrote something"
tmux_wait_cursor 0 0
tmux_keys -l x
expect_paused 1

# pause(true): the prompt, no line end, the cursor right after it; the key
# is not echoed and nothing follows it.
tmux_wait_cursor 40 0
[ "$(tmux_screen | head -n 1)" = "$prompt" ] || fail "the prompt is not alone on the first line"
tmux_keys Enter
expect_paused 2
tmux_wait_cursor 40 0
[ "$(tmux_screen | tr -d '\n')" = "$prompt" ] || fail "something was written after the key"

# The wait reads the keys raw: no echo, no line editing, no signal keys.
settings() { stty -F "$(tmux_format '#{pane_tty}')" -a | tr ' ' '\n'; }
for flag in -icanon -echo -isig -ixon -icrnl; do
  settings | grep -qx -- "$flag" || fail "$flag not set during the pause"
done

# An arrow ends this pause and, with its second code, the next one too.
tmux_keys Up
expect_paused 4

# Ctrl+C is a key like any other: the program goes on.
tmux_keys C-c
expect_paused 5

# A key typed while the program was busy elsewhere ends the pause at once.
tmux_wait_lines "$log" 11  # waiting for the file
tmux_keys -l k
tmux_wait_for "${prompt}k"  # echoed by the terminal, so it is typed ahead
touch "$work/go"
expect_paused 6
tmux_keys -l y

# Afterwards the terminal's settings are those it had before.
tmux_wait_lines "$log" 16  # waiting for the file
for flag in icanon echo isig ixon icrnl; do
  settings | grep -qx -- "$flag" || fail "$flag not restored after the pause"
done
touch "$work/end"
tmux_wait_lines "$log" 17
[ "$(tail -n 1 "$log")" = end ] || fail "the program did not end: $(tr '\n' '|' <"$log")"
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
echo "ok"
