SUITE_NAME="unit"
SUITE_PACKAGES=""
suite_run() { build_preset debug && ctest_label debug unit; }
