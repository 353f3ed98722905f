# The tool on an X11 desktop: each code lands on the CLIPBOARD selection, and
# the xclip server that keeps it does not hold the tool's output open.
set -u
. "$(dirname "$0")/../lib/xvfb.sh"
tool="$1/app/cmdcode"
xvfb_start

# check NAME INPUT OUTPUT CLIPBOARD: feeds INPUT (printf format) to the tool
# piped into cat, which ends only when every holder of the pipe has let go.
check() {
  local out status
  out=$(printf "$2" | timeout 10 sh -c '"$0" | cat' "$tool"; echo "status=$?")
  [ "$out" = "$(printf "${3}status=0")" ] ||
    fail "$1: $(printf '%q' "$out") (status 124: the pipe was held open)"
  [ "$(x11_clipboard)" = "$4" ] || fail "$1: clipboard holds '$(x11_clipboard)'"
}

check "help then quit"     'help\nquit\n'         '>1886152040\n>1953068401\n' 1953068401
check "empty line"         '\n'                   '>0\n>'                      0
check "most negative code" 'abc\200abc\n'         '>-2147483648\n>'            -2147483648
check "input ends early"   'help\n'               '>1886152040\n>'             1886152040
echo "ok"
