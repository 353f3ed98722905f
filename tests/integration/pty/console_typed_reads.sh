# The console's typed reads at a real terminal: the keys a person types, the
# value each read stores, and what was typed before a read began left out.
. "$(dirname "$0")/../lib/console_probe.sh" "$1"

# long keeps its full width: 64 bits on LP64 systems, 32 elsewhere.
if [ "$(getconf LONG_BIT)" = 64 ]; then
  long_over_32=4294967297 long_20_digits=-6101065172474983726
else
  long_over_32=1 long_20_digits=-350287150
fi

# kind|typed before Enter|logged afterwards. Each read discards what the one
# before it left of its line, so "xyz" followed by Enter alone gives CR.
cases=(
  "int|42|42 ok"
  "int|  -17xyz|-17 ok"
  "int|+8|8 ok"
  "int||0 ok"
  "int|abc|0 ok"
  "int|- 5|0 ok"
  "int|2147483648|-2147483648 ok"
  "int|4294967297|1 ok"
  "int|-2147483648|-2147483648 ok"
  "int|12345678901234567890|-350287150 ok"
  "long|4294967297|$long_over_32 ok"
  "long|12345678901234567890|$long_20_digits ok"
  "double|3.5|3.5 ok"
  "double| -2.5e3|-2500 ok"
  "double|1.5d2|150 ok"
  "double|.5|0.5 ok"
  "double|1,5|1 ok"
  "double|1e400|inf ok"
  "double|-0|-0 ok"
  "double|inf|0 ok"
  "char|xyz|120 ok"
  "char||13 ok"
  "int|C-d|0 ended"
  "char|C-d|63 ended"
  "int|7|7 ok"
)

operations=()
for case in "${cases[@]}"; do
  IFS='|' read -r kind typed expected <<<"$case"
  operations+=("read-$kind")
done
operations+=(wait-file "$work/go" read-int read-char)

tmux_start "$(probe_command "${operations[@]}")"

lines=0
for case in "${cases[@]}"; do
  IFS='|' read -r kind typed expected <<<"$case"
  lines=$((lines + 1))
  tmux_wait_lines "$log" $lines
  tmux_wait_blocked
  if [ "$typed" = C-d ]; then
    tmux_keys C-d
  else
    [ -z "$typed" ] || tmux_keys -l -- "$typed"
    tmux_keys Enter
  fi
  lines=$((lines + 1))
  tmux_wait_lines "$log" $lines
  got=$(sed -n "${lines}p" "$log")
  [ "$got" = "$kind $expected" ] || fail "'$typed' for $kind: got '$got', want '$kind $expected'"
done

# Lines typed while the program is busy elsewhere are gone when it reads.
tmux_wait_lines "$log" $((lines + 1))
tmux_keys -l '99'; tmux_keys Enter
tmux_keys -l 'q'; tmux_keys Enter
tmux_wait_for 'q'
touch "$work/go"
tmux_wait_lines "$log" $((lines + 2))
tmux_wait_blocked
tmux_keys -l '5'; tmux_keys Enter
tmux_wait_lines "$log" $((lines + 4))
tmux_wait_blocked
tmux_keys -l 'z'; tmux_keys Enter
tmux_wait_lines "$log" $((lines + 5))
got=$(sed -n "$((lines + 2)),\$p" "$log" | tr '\n' '|')
[ "$got" = "read int|int 5 ok|read char|char 122 ok|end|" ] || fail "after type-ahead: $got"

status=$(tmux_wait_exit)
[ "$status" = 0 ] || fail "exit status $status"
echo "ok"
