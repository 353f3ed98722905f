# The Windows tool with its input and output redirected: the bytes it writes
# and the code it leaves on the clipboard.
set -u
. "$(dirname "$0")/lib/wine.sh" "$1"
trap 'wine_release_prefix' EXIT
wine_use_prefix
tool="$WINDOWS_BUILD/app/cmdcode.exe"
clipboard_get="$WINDOWS_BUILD/tests/clipboard_get.exe"
failures=0

# check NAME INPUT EXPECTED [CLIPBOARD]: feeds INPUT (printf format) and
# compares the whole output, the exit status 0 and the clipboard's text.
check() {
  local out status expected clipboard
  out=$(printf "$2" | timeout 30 "$WINE" "$tool"; echo "status=$?")
  status=${out##*status=}
  out=${out%status=*}
  expected=$(printf "$3."); expected=${expected%.}  # keeps its last line end
  if [ "$out" != "$expected" ] || [ "$status" != 0 ]; then
    echo "FAIL: $1: status $status, output $(printf '%q' "$out")"
    failures=$((failures + 1))
  fi
  if [ $# -ge 4 ]; then
    clipboard=$(timeout 30 "$WINE" "$clipboard_get")
    if [ "$clipboard" != "$4" ]; then
      echo "FAIL: $1: clipboard $(printf '%q' "$clipboard"), want $4"
      failures=$((failures + 1))
    fi
  fi
}

# The output goes through WriteFile untranslated: LF line ends, not CR LF.
check "CR LF line ends"         'help\r\nquit\r\n'          '>1886152040\n>1953068401\n' 1953068401
check "LF line ends"            'help\nquit\n'              '>1886152040\n>1953068401\n'
check "ends without quit"       'help\n'                    '>1886152040\n>'             1886152040
check "empty input"             ''                          '>'
check "empty line is 0"         '\r\n'                      '>0\n>'                      0
check "seventeenth character"   'abcdefghijklmnopq\nquit\n' '>268435456\n>1953068401\n'
check "most negative code"      'abc\200abc\r\n'            '>-2147483648\n>'            -2147483648
check "stops at quit"           'quit\nhelp\n'              '>1953068401\n'              1953068401

[ $failures -eq 0 ] && echo "ok"
exit $failures
