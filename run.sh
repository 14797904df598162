#!/usr/bin/env bash
# Installs what is missing, builds the program into build/ and opens the window.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
banknotes_install_missing
# Only the program: the tests and benchmarks wait for ./test.sh.
banknotes_build build banknotes
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build/window/banknotes, but there is no display to open it on." >&2
  exit 1
fi
echo "Opening the window"
exec build/window/banknotes
