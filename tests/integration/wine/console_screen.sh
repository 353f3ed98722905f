# Screen control of the Windows build at a terminal under Wine, judged by
# tmux: where the cursor lands, the colours cells take, the pane's title, the
# pause prompt, a cleared screen. Wine's console draws the console's screen
# buffer, the size of the pane, on the terminal.
set -u
. "$(dirname "$0")/../lib/tmux.sh"
. "$(dirname "$0")/lib/wine.sh" "$1"
work=$(mktemp -d)
trap 'tmux_stop; wine_release_prefix; rm -rf "$work"' EXIT
wine_use_prefix
TMUX_TIMEOUT=30
log="$work/log"

. "$(dirname "$0")/../lib/pauses.sh"  # nothing drops a key typed ahead

# --- The cursor, in the 80x24 buffer: x y|result|the cell it stands on
# afterwards. Only the low 16 bits of each coordinate count.
cursor_cases=(
  "10 5|true|10,5"
  "79 23|true|79,23"
  "80 0|false|79,23"
  "0 24|false|79,23"
  "65539 2|true|3,2"
  "65535 0|false|3,2"
)
for case in "${cursor_cases[@]}"; do
  # shellcheck disable=SC2086 # x and y
  expect cursor ${case%%|*}
done

# --- The window: the whole buffer is the largest one there is. Wine accepts
# it but a terminal cannot be resized from inside, so only the answers count.
window_cases=(
  "0 79 0 23|true"
  "0 79 0 24|false"
  "0 80 0 10|false"
)
for case in "${window_cases[@]}"; do
  # shellcheck disable=SC2086 # the four edges
  expect window ${case%%|*}
done

# --- Colours: cell i has the background i and the foreground 15 - i.
operations+=(clear)
for i in $(seq 0 15); do
  operations+=(attribute $((i << 4 | (15 - i))) write "$(printf '%X' "$i")")
done
operations+=(attribute 7)
expect title "cmdcode probe"

# --- Clearing after lines that scrolled, then the pause prompt, whose key
# ends the program.
for i in $(seq 1 30); do operations+=(line "row $i"); done
expect clear
operations+=(pause-show)

tmux_start "cd $(printf '%q' "$work") && $(wine_command "$WINDOWS_BUILD/tests/console_probe.exe" log "${operations[@]}")"

for case in "${cursor_cases[@]}"; do
  IFS='|' read -r position want cell <<<"$case"
  next_result
  [ "$result" = "cursor $position $want" ] || fail "cursor $position: $result"
  tmux_wait_cursor "${cell%,*}" "${cell#*,}"
done

for case in "${window_cases[@]}"; do
  next_result
  [ "$result" = "window ${case%%|*} ${case#*|}" ] || fail "window ${case%%|*}: $result"
done

next_result
[ "$result" = "title true" ] || fail "title: $result"
log_lines | grep -q '^attribute .* false$' && fail "an attribute was refused: $(log_lines | grep '^attribute')"
cells=$(tmux_cells | awk '$1 == 0 { print $2, $3, $4, $5 }')
for i in $(seq 0 15); do
  # Wine draws the console's own default pair, light grey on black, in the
  # terminal's default colours.
  foreground=${console_colour[15 - i]} background=${console_colour[i]}
  [ $((15 - i)) = 7 ] && foreground=d
  [ "$i" = 0 ] && background=d
  want="$i $foreground $background $(printf '%X' "$i")"
  got=$(sed -n "$((i + 1))p" <<<"$cells")
  [ "$got" = "$want" ] || fail "attribute $((i << 4 | (15 - i))): column fg bg char '$got', want '$want'"
done
got=$(tmux_format '#{pane_title}')
[ "$got" = "cmdcode probe" ] || fail "the title shows $(printf '%q' "$got")"

next_result
[ "$result" = "clear true" ] || fail "clear: $result"
tmux_wait_cursor 0 0
[ -z "$(tmux_screen | tr -d '\n')" ] || fail "the screen is not blank"

tmux_keys -l k
prompt="Appuyez sur une touche pour continuer..."
tmux_wait_for "$prompt"
[ "$(tmux_screen | head -n 1)" = "$prompt" ] || fail "the pause prompt is not alone on the top line"
tmux_wait_cursor 40 0
tmux_keys -l k
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
[ "$(log_lines | tail -n 1)" = end ] || fail "the program did not run to its end"
echo "ok"
