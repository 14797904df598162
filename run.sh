#!/usr/bin/env bash
# Installs what is missing, builds into build/ and opens the window.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
banknotes_install_missing
banknotes_build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build/window/banknotes, but there is no display to open it on." >&2
  exit 1
fi
exec build/window/banknotes
