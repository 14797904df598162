# Shared by run.sh and test.sh: installs the Debian packages that are missing,
# then configures and builds, one line per step. Sourced, not run.

# What building and opening the window needs.
banknotes_packages=(cmake g++ qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev
  fonts-liberation xvfb xauth)
# What test.sh needs besides: the fuzzers' compiler, the tools that check the
# installed files and the Debian package, xdotool for real key presses, what
# reads a worksheet's PDF back (poppler-utils), and the screen reader with a
# desktop to run on, whose speech its test reads; glibc's locale sources, from
# which a test makes a locale with another decimal point.
banknotes_screen_reader_packages=(orca python3-pyatspi speech-dispatcher espeak-ng
  speech-dispatcher-espeak-ng openbox gsettings-desktop-schemas dconf-cli dbus-x11 xdotool)
banknotes_test_packages=(clang libclang-rt-14-dev locales desktop-file-utils appstream lintian dpkg-dev
  file x11-utils poppler-utils "${banknotes_screen_reader_packages[@]}")
# What tools/windows.sh needs besides: MinGW-w64, Qt's source and what builds it,
# GoogleTest's source, Wine, NSIS, what reads the smoke test's screen, and the
# Bulgarian locale the installer is tried in.
banknotes_windows_packages=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev xz-utils googletest
  wine wine64 nsis xdotool x11-apps imagemagick tesseract-ocr locales wixl msitools)
# What tools/web.sh needs besides: emscripten, GoogleTest's source and what builds
# it, the font the page embeds (Liberation 2, under the SIL Open Font License) and
# what cuts it to WOFF2, the three engines the tests drive (Chromium, Firefox and
# WebKitGTK's MiniBrowser with its WebDriver), an X server for MiniBrowser, and
# the screen reader.
banknotes_web_packages=(emscripten ninja-build googletest fonts-liberation2 fonttools python3-brotli
  chromium firefox-esr webkit2gtk-driver xvfb xauth poppler-utils "${banknotes_screen_reader_packages[@]}")

# Runs one step under a one-line heading, quietly; shows what it printed when it
# fails, and any compiler warnings when it does not.
banknotes_step() {
  local heading=$1 log status=0
  shift
  echo "$heading"
  log=$(mktemp)
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    cat "$log" >&2
    echo "Failed: $heading" >&2
  else
    grep -A3 'warning:' "$log" >&2 || true
  fi
  rm -f "$log"
  return "$status"
}

banknotes_install_missing() {
  local missing=() package
  for package in "${banknotes_packages[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local install="apt-get update && apt-get install -y ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    banknotes_step "Installing ${missing[*]}" env DEBIAN_FRONTEND=noninteractive sh -c "$install"
  elif command -v sudo >/dev/null 2>&1; then
    echo "Installing ${missing[*]} through sudo"
    sudo env DEBIAN_FRONTEND=noninteractive sh -c "$install"
  else
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root, then run this again:" >&2
    echo "  su -c '$install'" >&2
    return 1
  fi
}

# banknotes_build DIR [TARGET] [-D...]: configures DIR and builds TARGET in it,
# or everything when TARGET is "all".
banknotes_build() {
  local dir=$1 target=$2
  shift 2
  banknotes_step "Configuring $dir/" cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" &&
    banknotes_step "Building $target in $dir/" cmake --build "$dir" -j "$(nproc)" --target "$target"
}
