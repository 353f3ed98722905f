SUITE_NAME="tool through pipes"
SUITE_PACKAGES=""
suite_run() { build_preset debug && ctest_label debug pipe; }
