# Keys read straight from the terminal, as the pause reads them: each key
# the terminal sends, plain or as an escape sequence, and the codes it gives.
. "$(dirname "$0")/../lib/console_probe.sh" "$1"

# How the key is sent (tmux key names, or -H and the bytes in hexadecimal)|
# the codes it gives, one key after the other.
cases=(
  "a|97"
  "Enter|13"
  "C-c|3"
  "C-z|26"
  "Escape|27"
  "Up|224 72"
  "Down|224 80"
  "Left|224 75"
  "Right|224 77"
  "Home|224 71"
  "End|224 79"
  "PPage|224 73"
  "NPage|224 81"
  "IC|224 82"
  "DC|224 83"
  "F1|0 59"
  "F4|0 62"
  "F5|0 63"
  "F10|0 68"
  "F11|224 133"
  "F12|224 134"
  "-H 1b 4f 41|224 72"            # Up in application cursor mode
  "-H 1b 5b 31 3b 35 41|224 72"   # Ctrl+Up
  "-H 1b 5b 5b 41|0 59"           # F1 as the Linux console sends it
  "-H 1b 5b 48|224 71"            # Home as xterm sends it
  "-H 1b 5b 39 39 7e|224 0"       # a key nobody knows: one key still
  "-H 1b 78|120"                  # Alt+x
  "-H c3 a9|195"                  # é, two bytes of UTF-8: one key
  "-H 1b 1b|27 27"                # Esc twice
)

tmux_start "$(probe_command keys 1000)"
tmux_wait_lines "$log" 1

lines=1
for case in "${cases[@]}"; do
  IFS='|' read -r keys expected <<<"$case"
  tmux_wait_blocked
  # shellcheck disable=SC2086 # the key names are words
  tmux_keys $keys
  count=$(wc -w <<<"$expected")
  tmux_wait_lines "$log" $((lines + count))
  # Blocked again: every code the key gives is in the log, and no more.
  tmux_wait_blocked
  got=$(sed -n "$((lines + 1)),\$p" "$log" | sed 's/^key //' | tr '\n' ' ')
  [ "$got" = "$expected " ] || fail "$keys: got '$got', want '$expected'"
  lines=$((lines + count))
done
echo "ok"
