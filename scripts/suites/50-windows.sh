SUITE_NAME="Windows build (MinGW-w64 cross builds, run under Wine)"
# googletest: its sources, built by the cross builds for their target.
SUITE_PACKAGES="g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest wine64 tmux"
# The 32-bit build is built and linked only: a 64-bit Wine without its
# 32-bit half runs no 32-bit program. The scripts under tests/integration/wine
# are registered in the native build and run the 64-bit build's programs, one
# at a time (they share the clipboard), in one Wine prefix made for this run.
suite_run() {
  build_preset mingw-x86_64 && build_preset mingw-i686 && build_preset debug || return 1
  . tests/integration/wine/lib/wine.sh
  trap wine_prefix_stop EXIT
  wine_prefix_start || { echo "the Wine prefix could not be made"; return 1; }
  ctest --test-dir build/debug -L '^wine$' --output-on-failure --timeout 300 -j 1
}
