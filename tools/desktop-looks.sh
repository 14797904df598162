#!/usr/bin/env bash
# desktop-looks.sh [PROGRAM]: opens the program (build/window/banknotes unless
# given) on desktops set up unlike the test machine, under Xvfb with openbox,
# and keeps a screenshot of each in build/desktops/: the desktop's defaults,
# GNOME's Adwaita-dark through Qt's GTK theme, qt6ct's "darker" scheme, and
# qt6ct with an italic desktop font. For each it prints the WCAG contrast of the
# window's captions on their fixed backgrounds, read off the screenshot.
# Not a test: a way to look.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
source tools/display.sh
banknotes_install_missing qt6-gtk-platformtheme gnome-themes-extra qt6ct openbox xdotool \
  imagemagick python3
program=$(realpath "${1:-build/window/banknotes}")
out=$PWD/build/desktops
mkdir -p "$out"

if [ -z "${DISPLAY:-}" ]; then
  banknotes_xvfb "$0" "$program"
  exit
fi
openbox >/dev/null 2>&1 &
trap 'kill $! 2>/dev/null || true' EXIT

# look NAME SETUP: a fresh home for the program, set up by the function SETUP.
look() {
  local name=$1 setup=$2 home window
  home=$(mktemp -d)
  mkdir -p "$home/.config"
  "$setup" "$home"
  (
    export HOME=$home XDG_CONFIG_HOME=$home/.config LANG=C
    # Each set-up says what QT_QPA_PLATFORMTHEME and desktop it wants.
    source "$home/environment"
    exec "$program"
  ) >/dev/null 2>&1 &
  local started=$!
  window=$(banknotes_wait_window class banknotes 30) || {
    echo "$name: the program opened no window" >&2
    return 1
  }
  sleep 1
  import -window "$window" "$out/$name.png"
  kill "$started"
  wait "$started" 2>/dev/null || true
  rm -rf "$home"
  echo "== $name ($out/$name.png)"
  python3 tools/caption-contrast.py "$out/$name.png"
}

defaults() { echo 'export QT_QPA_PLATFORMTHEME=' >"$1/environment"; }
adwaita_dark() {
  mkdir -p "$1/.config/gtk-3.0"
  printf '[Settings]\ngtk-theme-name=Adwaita-dark\n' >"$1/.config/gtk-3.0/settings.ini"
  echo 'export QT_QPA_PLATFORMTHEME=gtk3 XDG_CURRENT_DESKTOP=GNOME' >"$1/environment"
}
qt6ct_with() {
  mkdir -p "$1/.config/qt6ct"
  cat >"$1/.config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=$2
style=Fusion
[Fonts]
general="$3"
CONF
  echo 'export QT_QPA_PLATFORMTHEME=qt6ct' >"$1/environment"
}
qt6ct_dark() { qt6ct_with "$1" true 'DejaVu Sans,10,-1,5,400,0,0,0,0,0,0,0,0,0,0,1'; }
qt6ct_italic() { qt6ct_with "$1" false 'DejaVu Sans,14,-1,5,400,1,0,0,0,0,0,0,0,0,0,1'; }

look defaults defaults
look adwaita-dark adwaita_dark
look qt6ct-darker qt6ct_dark
look qt6ct-italic qt6ct_italic
