SUITE_NAME="X11 clipboard (Xvfb, xclip)"
SUITE_PACKAGES="xvfb xclip"
suite_run() { build_preset debug && ctest_label debug x11; }
