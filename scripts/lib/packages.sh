# Debian packages for the suites: present, installed here (as root), or named.

# The package lists are refreshed once a run; the suites ask from subshells,
# so the run remembers it in a file named after its own process.
apt_updated_stamp="${TMPDIR:-/tmp}/cmdcode-apt-updated.$$"
trap 'rm -f "$apt_updated_stamp"' EXIT

package_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# ensure_packages PKG...: 0 when all are installed (installing the missing
# ones when running as root). Otherwise their names on stdout, and 1 when
# they could not be installed for want of root, 2 when the install failed.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    package_installed "$pkg" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null 2>&1; then
    if [ ! -e "$apt_updated_stamp" ]; then
      DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2 && touch "$apt_updated_stamp"
    fi
    if DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2; then
      return 0
    fi
    echo "${missing[*]}"
    return 2
  fi
  echo "${missing[*]}"
  return 1
}
