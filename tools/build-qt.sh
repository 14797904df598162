#!/usr/bin/env bash
# build-qt.sh PREFIX PLATFORM_DIR: builds Qt from Debian's qt6-base source for
# another platform, with the options in PLATFORM_DIR/qt-configure-options and the
# toolchain PLATFORM_DIR/toolchain.cmake, and installs it into PREFIX. The source
# and the build tree (up to 2.4 GB) live beside PREFIX only while it builds;
# PREFIX appears whole or not at all.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 platform=$(cd "$2" && pwd)
work=$prefix.work
rm -rf "$work" "$prefix.partial"
mkdir -p "$work"

"$here/qt-source.sh" "$work"
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
mapfile -t options < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$platform/qt-configure-options" |
  xargs -n1)

mkdir -p "$work/build"
cd "$work/build"
"$source_dir/configure" "${options[@]}" -prefix "$prefix.partial" -qt-host-path /usr -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$platform/toolchain.cmake" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$(nproc)"
cmake --install .
mv "$prefix.partial" "$prefix"
cd /
rm -rf "$work"
