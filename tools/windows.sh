#!/usr/bin/env bash
# Builds banknotes for 64-bit Windows on this Debian machine and tests it under
# Wine. Leaves the portable build-windows/banknotes.exe and the installer
# build-windows/banknotes-<version>-win64.exe. Needs nothing from build/ and
# changes nothing on the Linux side. Everything it uses is in tools/windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/setup.sh
banknotes_install_missing "${banknotes_windows_packages[@]}"

# Wine and the tests need an X server.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

windows=$root/tools/windows
out=$root/build-windows
mkdir -p "$out"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/banknotes

# Qt for Windows, built once for each Qt version and set of options (comments
# aside), and shared by every clone.
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
options=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$windows/qt-configure-options" \
  "$windows/toolchain.cmake" | sha256sum | cut -c1-12)
qt=$cache/qt-$qt_version-x86_64-w64-mingw32-$options
if [ ! -d "$qt" ]; then
  echo "Building Qt $qt_version for Windows into $qt"
  echo "  (about 12 minutes on two cores, once; log in build-windows/qt-build.log)"
  start=$SECONDS
  if ! "$windows/build-qt.sh" "$qt" >"$out/qt-build.log" 2>&1; then
    tail -n 40 "$out/qt-build.log" >&2
    echo "Failed: building Qt for Windows" >&2
    exit 1
  fi
  echo "  Qt built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
fi

# GoogleTest for the logic tests, from Debian's source, cached the same way.
gtest=$cache/googletest-$(dpkg-query -W -f='${Version}' googletest)-x86_64-w64-mingw32
if [ ! -d "$gtest" ]; then
  rm -rf "$gtest.partial" "$out/googletest"
  banknotes_step "Building GoogleTest for Windows" sh -c "
    cmake -S /usr/src/googletest -B '$out/googletest' -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE='$windows/toolchain.cmake' -DCMAKE_INSTALL_PREFIX='$gtest.partial' &&
    cmake --build '$out/googletest' --target install"
  mv "$gtest.partial" "$gtest"
fi

# Programs the build runs (the icon's drawing) and the tests run under Wine, in a
# prefix of this build's own.
wine_prefix=$out/wine
# Wine's server and services would outlive the run, and the X server under it.
trap 'WINEPREFIX=$wine_prefix wineserver -k 2>/dev/null || true' EXIT
banknotes_step "Preparing Wine in build-windows/wine" "$windows/wine-run.sh" "$wine_prefix"
banknotes_build build-windows all -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$windows/toolchain.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$windows/wine-run.sh;$wine_prefix" \
  -DGTest_DIR="$gtest/lib/cmake/GTest" \
  -DCMAKE_INSTALL_BINDIR=. -DBANKNOTES_BENCH=OFF \
  -DBANKNOTES_QT_SOURCE_VERSION="$qt_version"

echo "Testing under Wine"
if ! ctest --test-dir build-windows --output-on-failure; then
  for log in build-windows/tests/*.txt; do
    grep -q '^FAIL' "$log" && { echo "== $log"; grep -B2 -A4 '^FAIL' "$log"; }
  done >&2
  exit 1
fi

banknotes_step "Building the installer" cmake --build build-windows --target package
installer=build-windows/$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' \
  build-windows/CPackConfig.cmake).exe
echo "Installing, starting and uninstalling it under Wine"
"$windows/installer-test.sh" "$wine_prefix" "$installer"

echo "Made:"
ls -l build-windows/banknotes.exe "$installer"
