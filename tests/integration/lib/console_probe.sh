# The console_probe helper in a tmux pane, for the console's scripts:
#
#   . "$(dirname "$0")/../lib/console_probe.sh" "$1"   # $1: the build folder
#   tmux_start "$(probe_command read-int pause)"
#
# On top of tmux.sh it sets `probe` (the program), `work` (a scratch folder
# removed at exit) and `log` (the probe's log, there from the start, empty).
set -u
. "$(dirname "${BASH_SOURCE[0]}")/tmux.sh"
probe="$1/tests/console_probe"
work=$(mktemp -d)
trap 'tmux_stop; rm -rf "$work"' EXIT
log="$work/log"
: >"$log"

# probe_command OPERATION...: the command that runs the probe as the pane's
# own process (see tmux_wait_blocked); redirections may follow it.
probe_command() { printf 'exec'; printf ' %q' "$probe" "$log" "$@"; }
