#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test through ctest.
# Window tests need an X server: without a display they run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
banknotes_install_missing
banknotes_build build

with_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
}

with_display ctest --test-dir build --output-on-failure
