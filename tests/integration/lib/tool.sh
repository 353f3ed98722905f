# The tool in a tmux pane, for the tool's scripts:
#
#   . "$(dirname "$0")/../lib/tool.sh" "$1"   # $1: the build folder
#   tmux_start "$(tool_command)"
#
# On top of tmux.sh it sets `tool` (the program) and `runtime` (a private
# runtime folder, removed at exit). The clipboard is a file store in that
# folder, so scripts running side by side never share one.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/tmux.sh"
tool="$1/app/cmdcode"
runtime=$(mktemp -d)
trap 'tmux_stop; rm -rf "$runtime"' EXIT

# tool_command: the command that runs the tool as the pane's own process.
tool_command() {
  printf 'exec env XDG_RUNTIME_DIR=%q CMDCODE_CLIPBOARD=file %q' "$runtime" "$tool"
}

# tool_type KEY...: sends the keys (tmux key names; -l for literal text)
# once the tool waits in its read. The tool drops what arrives between its
# prompt and its read as typed ahead, so call this once the prompt shows.
tool_type() {
  tmux_wait_blocked
  tmux_keys "$@"
}
