# While another process holds the clipboard, the tool still echoes each code
# at once, and the clipboard keeps what it had.
set -u
. "$(dirname "$0")/../lib/xvfb.sh"
tool="$1/app/cmdcode"
helpers="$1/tests"
xvfb_start
x11_clipboard_set "before" || fail "xclip could not set the text"

mkfifo "$X11_RUNTIME/holder.in"
"$helpers/clipboard_holder" <"$X11_RUNTIME/holder.in" >"$X11_RUNTIME/holder.out" &
holder=$!
exec 3>"$X11_RUNTIME/holder.in"  # the holder lets go when this closes
# release: lets the holder go, and ends it should it not go by itself.
release() {
  exec 3>&-
  local deadline=$((SECONDS + 10))
  while kill -0 "$holder" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.05; done
  kill "$holder" 2>/dev/null
  wait "$holder" 2>/dev/null
}
trap 'release; x11_cleanup' EXIT
deadline=$((SECONDS + 10))
until grep -q held "$X11_RUNTIME/holder.out"; do
  kill -0 "$holder" 2>/dev/null || fail "the holder could not take the clipboard"
  [ $SECONDS -ge $deadline ] && fail "the holder did not take the clipboard"
  sleep 0.05
done

out=$(printf 'help\nquit\n' | timeout 10 "$tool"; echo "status=$?")
[ "$out" = "$(printf '>1886152040\n>1953068401\nstatus=0')" ] ||
  fail "output $(printf '%q' "$out")"
[ "$(x11_clipboard)" = "before" ] || fail "the clipboard changed to '$(x11_clipboard)'"

release
trap x11_cleanup EXIT
# Let go, the clipboard is the tool's again.
printf 'quit\n' | timeout 10 "$tool" >/dev/null
[ "$(x11_clipboard)" = 1953068401 ] || fail "after release the clipboard holds '$(x11_clipboard)'"
echo "ok"
