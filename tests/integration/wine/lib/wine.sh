# Windows programs of the cross build, run under Wine. Sourced by the scripts
# of this folder (with the native build folder that CTest gives them) and by
# the Windows suite:
#
#   . "$(dirname "$0")/lib/wine.sh" "$1"
#   trap 'wine_release_prefix' EXIT    # removes a private prefix
#   wine_use_prefix                    # the suite's prefix, or a private one
#   "$WINE" "$WINDOWS_BUILD/app/cmdcode.exe"
#   tmux_start "$(wine_command "$WINDOWS_BUILD/app/cmdcode.exe")"
#
# Making a prefix takes several seconds, so the suite makes one, exports it
# as WINEPREFIX and keeps its wineserver running for all the scripts; the
# clipboard lives in that server and so outlasts the program that filled it.

WINDOWS_BUILD=${CMDCODE_ROOT:+$CMDCODE_ROOT/build/mingw-x86_64}
if [ ! -d "$WINDOWS_BUILD" ] && [ -n "${1:-}" ]; then
  WINDOWS_BUILD="$1/../mingw-x86_64"
fi

wine_find() {
  local candidate
  for candidate in "$@"; do
    command -v "$candidate" 2>/dev/null && return 0
  done
  return 1
}
# Debian keeps the 64-bit loader out of PATH.
WINE=$(wine_find /usr/lib/wine/wine64 wine64 wine) || WINE=""
WINESERVER=$(wine_find /usr/lib/wine/wineserver wineserver) || WINESERVER=""

# No display: consoles and the clipboard need none, and no window may open.
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all
# Nothing offers to install the .NET and HTML engines into a new prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_private_prefix=""

# wine_prefix_start: makes a new prefix (WINEPREFIX) and boots it with a
# wineserver that keeps running until wine_prefix_stop.
wine_prefix_start() {
  WINEPREFIX=$(mktemp -d) || return 1
  export WINEPREFIX
  # Bounded: a boot that hangs would otherwise hold the whole test run.
  "$WINESERVER" -p && timeout 120 "$WINE" wineboot -i >/dev/null 2>&1
}

# wine_prefix_stop: ends every program of the prefix and its server, then
# removes it.
wine_prefix_stop() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  "$WINESERVER" -k 2>/dev/null && "$WINESERVER" -w 2>/dev/null
  rm -rf "$WINEPREFIX"
}

# wine_use_prefix: the prefix the suite exported, or a private one. Fails
# the script when Wine or the Windows build is missing.
wine_use_prefix() {
  if [ -z "$WINE" ] || [ -z "$WINESERVER" ]; then
    echo "FAIL: Wine is not installed (Debian: wine64)" >&2
    exit 1
  fi
  if [ ! -x "$WINDOWS_BUILD/app/cmdcode.exe" ]; then
    echo "FAIL: no Windows build in $WINDOWS_BUILD: build the mingw-x86_64 preset" >&2
    exit 1
  fi
  if [ -z "${WINEPREFIX:-}" ]; then
    wine_private_prefix=yes
    wine_prefix_start || { echo "FAIL: the Wine prefix could not be made" >&2; exit 1; }
  fi
}

wine_release_prefix() {
  [ -n "$wine_private_prefix" ] && wine_prefix_stop
  return 0
}

# wine_command PROGRAM ARGUMENT...: a shell command that runs the Windows
# program in this Wine session, for a tmux pane.
wine_command() {
  printf 'exec env -u DISPLAY WINEPREFIX=%q WINEDEBUG=-all %q' "$WINEPREFIX" "$WINE"
  printf ' %q' "$@"
}
