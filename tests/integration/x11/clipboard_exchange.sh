# The library and xclip, each reading what the other put on the CLIPBOARD
# selection, from separate processes.
set -u
. "$(dirname "$0")/../lib/xvfb.sh"
helpers="$1/tests"
xvfb_start

# Nobody owns the selection yet.
"$helpers/clipboard_get" >/dev/null && fail "a text read from an empty display"

# set_with_library NAME INPUT EXPECTED: INPUT (printf format) goes to
# clipboardSetText whole, NULs included; EXPECTED is a printf format too.
set_with_library() {
  printf "$2" | timeout 10 "$helpers/clipboard_set" || fail "$1: clipboardSetText gave false"
  [ "$(x11_clipboard; echo .)" = "$(printf "$3.")" ] || fail "$1: xclip reads $(x11_clipboard | od -c)"
}
set_with_library "plain"            'hello, x11'        'hello, x11'
set_with_library "lines and blanks" ' two\nlines \n'    ' two\nlines \n'
set_with_library "ends at a NUL"    'ab\000cd'          'ab'
set_with_library "empty"            ''                  ''
set_with_library "8-bit bytes"      'caf\351'           'caf\351'

# get_with_library NAME TEXT: TEXT set with xclip, read by clipboardGetText.
get_with_library() {
  x11_clipboard_set "$2" || fail "$1: xclip could not set the text"
  out=$(timeout 10 "$helpers/clipboard_get"; echo ".$?")
  [ "$out" = "$2.0" ] || fail "$1: clipboardGetText gave $(printf '%q' "$out")"
}
get_with_library "plain"            'from xclip'
get_with_library "lines"            "$(printf 'first\nsecond\n ')"
get_with_library "empty"            ''

# Content that is not text is no text.
printf '\211PNG\r\n' | timeout 10 xclip -selection clipboard -t image/png -in >/dev/null 2>&1 ||
  fail "xclip could not set an image"
"$helpers/clipboard_get" >/dev/null && fail "an image was read as text"
echo "ok"
