# The unit suite of the Windows build. Wine gives a program a console only
# when it starts from a terminal, so the suite runs in a pseudo-terminal
# (script) that backs the console the console tests drive; its output goes to
# a file, away from the screen those tests move about.
set -u
. "$(dirname "$0")/lib/wine.sh" "$1"
log=$(mktemp)
trap 'wine_release_prefix; rm -f "$log"' EXIT
wine_use_prefix

command=$(printf '%q ' "$WINE" "$WINDOWS_BUILD/tests/cmdcode_unit_tests.exe")
# Within the test's own bound of 300 s, so that the clean-up still runs.
timeout 240 script -qec "$command >$(printf '%q' "$log") 2>&1" /dev/null </dev/null >/dev/null
status=$?
# A skipped console test would mean that no console was had: not a pass.
if [ $status -ne 0 ] || grep -q '^\[  SKIPPED \]' "$log"; then
  cat "$log"
  echo "FAIL: the Windows unit suite (status $status)"
  exit 1
fi
tail -n 1 "$log"
echo "ok"
