SUITE_NAME="terminal (tmux pseudo-terminal)"
SUITE_PACKAGES="tmux"
suite_run() { build_preset debug && ctest_label debug pty; }
