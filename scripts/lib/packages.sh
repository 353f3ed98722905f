# Debian packages for the suites: present, installed here (as root), or named.

apt_updated=0

package_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# ensure_packages PKG...: 0 when all are installed (installing the missing
# ones when running as root), 1 with their names on stdout otherwise.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    package_installed "$pkg" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null 2>&1; then
    if [ "$apt_updated" -eq 0 ]; then
      DEBIAN_FRONTEND=noninteractive apt-get update -qq >&2 && apt_updated=1
    fi
    if DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2; then
      return 0
    fi
  fi
  echo "${missing[*]}"
  return 1
}
