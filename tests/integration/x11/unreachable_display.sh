# The tool where the display cannot be had: nobody listens on it, or its
# server has stopped answering. The tool still echoes every code and ends.
set -u
. "$(dirname "$0")/../lib/xvfb.sh"
tool="$1/app/cmdcode"

# run_tool NAME LIMIT: help then quit through the tool, within LIMIT seconds.
run_tool() {
  local out status
  out=$(printf 'help\nquit\n' | timeout "$2" "$tool"; echo "status=$?")
  [ "$out" = "$(printf '>1886152040\n>1953068401\nstatus=0')" ] ||
    fail "$1: $(printf '%q' "$out") (status 124: it did not end within $2 s)"
}

DISPLAY=$(dead_display) run_tool "no server" 10

# A frozen server accepts the connection and never answers: each helper
# program is stopped at its time bound.
xvfb_start
kill -STOP "$XVFB_PID"
run_tool "frozen server" 20
kill -CONT "$XVFB_PID"
echo "ok"
