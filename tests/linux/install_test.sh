#!/usr/bin/env bash
# Installs the build the ways a desktop gets it and checks what lands: into a
# DESTDIR under /usr with the desktop entry and metainfo validated there, under
# another prefix, and as the Debian package, which lintian checks and whose
# unpacked program must open its window. Needs an X display for that last step.
# Usage: install_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 app_id=$2 version=$3
work=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# What every install holds, below its prefix.
expect_files() {
  local prefix=$1 size file
  [ -x "$prefix/bin/banknotes" ] || fail "no bin/banknotes under $prefix"
  for file in "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
    share/doc/banknotes/copyright share/man/man1/banknotes.1.gz share/man/bg/man1/banknotes.1.gz; do
    [ -f "$prefix/$file" ] || fail "no $file under $prefix"
  done
  for size in 16 24 32 48 64 128 256; do
    local icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$icon" ] || fail "no ${size}x${size} icon under $prefix"
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not $size x $size"
  done
}

echo "Installing into a DESTDIR under /usr"
DESTDIR="$work/destdir" cmake --install "$build" --prefix /usr >/dev/null
expect_files "$work/destdir/usr"
validation=$(desktop-file-validate "$work/destdir/usr/share/applications/$app_id.desktop" 2>&1) ||
  fail "desktop-file-validate: $validation"
[ -z "$validation" ] || fail "desktop-file-validate: $validation"
appstreamcli validate --no-net "$work/destdir/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"

echo "Installing under another prefix"
cmake --install "$build" --prefix "$work/opt/banknotes" >/dev/null
expect_files "$work/opt/banknotes"

echo "Building the Debian package"
deb="$build/banknotes_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
cmake --build "$build" --target package >"$work/package.log" 2>&1 || {
  cat "$work/package.log" >&2
  fail "the package did not build"
}
[ -f "$deb" ] || fail "no $deb"
dpkg-deb --field "$deb" Package Version Section Depends Recommends
echo "lintian:"
lintian --fail-on error "$deb" || fail "lintian reports errors"

# The practice, exploring and step-by-step windows are actions of the same desktop entry.
entry="$work/destdir/usr/share/applications/$app_id.desktop"
grep -qx 'Actions=practice;explore;steps;' "$entry" && grep -qx 'Exec=banknotes --practice' "$entry" &&
  grep -qx 'Exec=banknotes --explore' "$entry" && grep -qx 'Exec=banknotes --steps' "$entry" ||
  fail "the desktop entry has no actions that open the practice, exploring and step-by-step windows"

# starts TITLE ARGUMENT...: the unpacked program opens a window titled TITLE.
starts() {
  local title=$1
  shift
  "$work/deb/usr/bin/banknotes" "$@" &
  program=$!
  for _ in $(seq 100); do
    if xwininfo -root -tree | grep -q "\"$title\""; then
      echo "Its window '$title' is up"
      kill "$program"
      wait "$program" 2>/dev/null || true
      program=
      return 0
    fi
    kill -0 "$program" 2>/dev/null || fail "the unpacked program ended before its window showed"
    sleep 0.1
  done
  fail "no window '$title' within 10 s"
}

echo "Starting the unpacked program"
dpkg-deb -x "$deb" "$work/deb"
starts 'Математика - минимален брой банкноти'
starts 'Упражнение' --practice
starts 'Изследване' --explore
starts 'Стъпка по стъпка' --steps
