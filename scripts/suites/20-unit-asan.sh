SUITE_NAME="unit under AddressSanitizer and UBSan"
SUITE_PACKAGES=""
suite_run() { build_preset asan && ctest_label asan unit; }
