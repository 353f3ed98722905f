# Screen control at a real terminal, judged by tmux: where the cursor lands,
# the colours cells take, the pane's title, a cleared screen, the bell.
. "$(dirname "$0")/../lib/console_probe.sh" "$1"

. "$(dirname "$0")/../lib/pauses.sh"
PAUSE_BEGUN=tmux_wait_blocked  # the pause drops keys typed before it

# --- The cursor: x y|result|the cell it stands on afterwards. A position
# outside the 80x24 pane is refused and the cursor stays; only the low 16
# bits of each coordinate count.
cursor_cases=(
  "10 5|true|10,5"
  "0 0|true|0,0"
  "79 23|true|79,23"
  "80 0|false|79,23"
  "0 24|false|79,23"
  "-1 3|false|79,23"
  "65539 2|true|3,2"
  "65535 0|false|3,2"
)
for case in "${cursor_cases[@]}"; do
  IFS='|' read -r position result cell <<<"$case"
  # shellcheck disable=SC2086 # x and y
  expect cursor $position
done

# --- Colours: cell i has the background i and the foreground 15 - i, so
# that the 16 cells show every colour as foreground and as background.
operations+=(clear)
for i in $(seq 0 15); do
  operations+=(attribute $((i << 4 | (15 - i))) write "$(printf '%X' "$i")")
done
# The bits above the low byte do not change the colours.
operations+=(attribute 0xFF4E write Z attribute 7 write .)
expect beep

# --- Titles: the one given|what the pane shows. Control characters are
# dropped, so a title cannot end its own escape sequence and start another.
title_cases=(
  "cmdcode probe|cmdcode probe"
  $'a\e]2;evil\ab|a]2;evilb'
  $'caf\xc3\xa9|caf\xc3\xa9'
  $'x\xc2\x9b2Jy|x2Jy'
  $'tab\there|tabhere'
)
for case in "${title_cases[@]}"; do expect title "${case%%|*}"; done

# --- Clearing: lines that scroll into the history, then a blank screen,
# no history, the cursor home.
for i in $(seq 1 30); do operations+=(line "row $i"); done
expect clear

tmux_start "$(probe_command "${operations[@]}")"

for case in "${cursor_cases[@]}"; do
  IFS='|' read -r position result cell <<<"$case"
  want="cursor $position $result"
  next_result
  [ "$result" = "$want" ] || fail "cursor $position: $result"
  tmux_wait_cursor "${cell%,*}" "${cell#*,}"
done

[ "$(tmux_format '#{window_bell_flag}')" = 0 ] || fail "a bell before the beep"
next_result
[ "$result" = "beep true" ] || fail "beep: $result"
[ "$(tmux_format '#{window_bell_flag}')" = 1 ] || fail "no bell"
log_lines | grep -q '^attribute .* false$' && fail "an attribute was refused: $(log_lines | grep '^attribute')"
cells=$(tmux_cells | awk '$1 == 0 { print $2, $3, $4, $5 }')
for i in $(seq 0 15); do
  want="$i ${console_colour[15 - i]} ${console_colour[i]} $(printf '%X' "$i")"
  got=$(sed -n "$((i + 1))p" <<<"$cells")
  [ "$got" = "$want" ] || fail "attribute $((i << 4 | (15 - i))): column fg bg char '$got', want '$want'"
done
got=$(sed -n '17,18p' <<<"$cells" | tr '\n' '|')
[ "$got" = "16 11 1 Z|17 7 0 .|" ] || fail "attribute 0xFF4E, then 7: '$got'"

for case in "${title_cases[@]}"; do
  next_result
  [ "$result" = "title true" ] || fail "title: $result"
  want=${case#*|}
  got=$(tmux_format '#{pane_title}')
  [ "$got" = "$want" ] || fail "title $(printf '%q' "${case%%|*}") shows $(printf '%q' "$got")"
done

next_result
[ "$result" = "clear true" ] || fail "clear: $result"
tmux_wait_cursor 0 0
[ -z "$(tmux_screen | tr -d '\n')" ] || fail "the screen is not blank"
[ "$(tmux_format '#{history_size}')" = 0 ] || fail "history left: $(tmux_format '#{history_size}') lines"

lines=$(wc -l <"$log")
tmux_keys -l k
tmux_wait_lines "$log" $((lines + 2))
[ "$(tail -n 1 "$log")" = end ] || fail "the program did not run to its end: $(tail -n 3 "$log" | tr '\n' '|')"
status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
echo "ok"
