# What the scripts that open windows share: an X server when there is none, and
# the wait for a window. Sourced, not run.

# banknotes_xvfb COMMAND...: runs COMMAND on a new Xvfb screen of its own.
banknotes_xvfb() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}

# banknotes_with_display COMMAND...: runs COMMAND on the display there is, or on
# Xvfb when there is none.
banknotes_with_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    banknotes_xvfb "$@"
  fi
}

# banknotes_wait_window class|name PATTERN [SECONDS]: waits for a visible window
# whose class or title matches PATTERN and prints its id; fails when none shows
# within SECONDS (60).
banknotes_wait_window() {
  timeout "${3:-60}" xdotool search --sync --limit 1 --onlyvisible "--$1" "$2"
}
