# A console_probe run as operations each followed by a pause, during which
# the script looks at the screen. For the screen scripts, after tmux.sh and
# with `log` set to the probe's log:
#
#   expect cursor 10 5             # the operation, then a pause
#   tmux_start "... ${operations[*]} ..."
#   next_result                    # sets `result` to what cursor logged
#
# next_result ends the pause before (with a key), waits for the next one and
# runs PAUSE_BEGUN, when set, once it has begun: a script whose pause drops
# keys typed ahead waits there until the pause reads the terminal.

operations=()
pauses=0
PAUSE_BEGUN=${PAUSE_BEGUN:-}

# The log's lines; a Windows probe ends them with CR LF.
log_lines() { tr -d '\r' 2>/dev/null <"$log"; }

expect() { operations+=("$@" pause); }

next_result() {
  if [ $pauses -gt 0 ]; then tmux_keys -l k; fi
  pauses=$((pauses + 1))
  local deadline=$((SECONDS + TMUX_TIMEOUT))
  until [ "$(log_lines | grep -c '^pause$')" -ge $pauses ]; do
    [ $SECONDS -ge $deadline ] && fail "pause $pauses never came: $(log_lines | tr '\n' '|')"
    sleep 0.02
  done
  [ -z "$PAUSE_BEGUN" ] || $PAUSE_BEGUN
  result=$(log_lines | awk -v n=$pauses '$0 == "pause" && ++seen == n { print previous; exit } { previous = $0 }')
}

# The colour tmux shows for each of the console's sixteen colour numbers:
# the console counts blue as 1 and red as 4, the terminal the other way
# round; 6 is brown (dark yellow), 8 dark grey, 14 yellow.
console_colour=(0 4 2 6 1 5 3 7 8 12 10 14 9 13 11 15)
