# The tool with its input and output redirected, as a script would use it.
set -u
tool="$1/app/cmdcode"
clipboard_get="$1/tests/clipboard_get"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export CMDCODE_CLIPBOARD=file XDG_RUNTIME_DIR="$runtime"
failures=0

# check NAME INPUT EXPECTED [CLIPBOARD]: feeds INPUT (printf format) and
# compares the whole output and the exit status 0; then, when given, the
# clipboard's text as another process reads it from the file store.
check() {
  local out status expected
  # The trailing "|" keeps the command substitutions from eating line ends.
  out=$(printf "$2" | timeout 10 "$tool"; echo "|status=$?")
  status=${out##*|status=}
  out=${out%|status=*}
  expected=$(printf "$3|")
  if [ "$out" != "${expected%|}" ] || [ "$status" != 0 ]; then
    echo "FAIL: $1: status $status, output $(printf '%q' "$out")"
    failures=$((failures + 1))
  fi
  if [ $# -ge 4 ] && [ "$(timeout 10 "$clipboard_get")" != "$4" ]; then
    echo "FAIL: $1: clipboard holds $(printf '%q' "$(timeout 10 "$clipboard_get")")"
    failures=$((failures + 1))
  fi
}

long=$(printf 'a%.0s' $(seq 300))
check "help then quit"          'help\nquit\n'            '>1886152040\n>1953068401\n' 1953068401
check "ends without quit"       'help\n'                  '>1886152040\n>' 1886152040
check "empty input"             ''                        '>'
check "last line unterminated"  'help\nquit'              '>1886152040\n>1953068401\n'
check "CR LF line ends"         'help\r\nquit\r\n'        '>1886152040\n>1953068401\n'
check "empty line is 0"         '\nquit\n'                '>0\n>1953068401\n'
check "empty line published"    '\n'                      '>0\n>' 0
check "leading blank"           ' quit\nQUIT now\n'       '>0\n>1953068401\n'
check "seventeenth character"   'abcdefghijklmnopq\nquit\n' '>268435456\n>1953068401\n'
check "most negative code"      'abc\200abc\nquit\n'      '>-2147483648\n>1953068401\n'
check "negative code published" 'abc\200abc\n'            '>-2147483648\n>' -2147483648
check "a long line is one word" "${long}\nquit\n"         '>0\n>1953068401\n'
check "stops at quit"           'quit\nhelp\n'            '>1953068401\n'

# Output to a file is written, not lost.
printf 'help\nquit\n' | timeout 10 "$tool" >"$runtime/out.txt"
[ "$(cat "$runtime/out.txt"; echo '|')" = "$(printf '>1886152040\n>1953068401\n|')" ] || {
  echo "FAIL: output to a file"; failures=$((failures + 1)); }

[ $failures -eq 0 ] && echo "ok"
exit $failures
