#!/usr/bin/env bash
# Builds and runs every test suite, then prints one line:
#   N passed, N failed, N skipped
# A suite whose Debian packages are missing is skipped, and named, unless
# this runs as root, when the packages are installed first.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 2
. scripts/lib/packages.sh

jobs=$(nproc 2>/dev/null || echo 2)
export CMDCODE_ROOT="$root"  # where the Wine scripts find the Windows build

# build_preset NAME: configure (once) and build a CMake preset quietly;
# the output is shown only when something fails.
build_preset() {
  local log
  log=$(mktemp)
  if { [ -f "build/$1/CMakeCache.txt" ] || cmake --preset "$1"; } >"$log" 2>&1 &&
    cmake --build --preset "$1" -j "$jobs" >>"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  cat "$log"
  rm -f "$log"
  return 1
}

# ctest_label PRESET LABEL: run the tests of one label in a preset's build.
ctest_label() {
  ctest --test-dir "build/$1" -L "^$2\$" --output-on-failure --timeout 300 -j "$jobs"
}

# What every suite builds with; GoogleTest for the unit tests each build has.
BUILD_PACKAGES="cmake make g++ libgtest-dev"

passed=0 failed=0 skipped=0
report=()

for suite_file in scripts/suites/*.sh; do
  SUITE_NAME="" SUITE_PACKAGES=""
  unset -f suite_run
  . "$suite_file"
  echo "=== suite: $SUITE_NAME"
  # shellcheck disable=SC2086 # lists of package names
  missing=$(ensure_packages $BUILD_PACKAGES $SUITE_PACKAGES)
  case $? in
    1)
      echo "--- $SUITE_NAME: skipped, missing packages: $missing (run as root to install them)"
      report+=("skipped  $SUITE_NAME (missing: $missing)")
      skipped=$((skipped + 1))
      continue
      ;;
    2)
      # Root could have installed them: a suite that could not run has failed.
      echo "--- $SUITE_NAME: failed to install: $missing"
      report+=("FAILED   $SUITE_NAME (could not install: $missing)")
      failed=$((failed + 1))
      continue
      ;;
  esac
  if (suite_run); then
    report+=("passed   $SUITE_NAME")
    passed=$((passed + 1))
  else
    report+=("FAILED   $SUITE_NAME")
    failed=$((failed + 1))
  fi
done

echo
echo "=== summary"
printf '  %s\n' "${report[@]}"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
