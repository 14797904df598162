#!/usr/bin/env bash
# Builds banknotes for 64-bit Windows on this Debian machine and tests it under
# Wine. Leaves the portable build-windows/banknotes.exe and the installer
# build-windows/banknotes-<version>-win64.exe. Needs nothing from build/ and
# changes nothing on the Linux side. The packaging is in packaging/windows/, the
# cross toolchain and Wine's set-up in tools/mingw/, the tests under tests/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/setup.sh
source tools/display.sh
banknotes_install_missing "${banknotes_windows_packages[@]}"

# Wine and the tests need an X server.
if [ -z "${DISPLAY:-}" ]; then
  banknotes_xvfb "$0" "$@"
  exit
fi

windows=$root/tools/mingw
out=$root/build-windows
mkdir -p "$out"
source tools/cross.sh
banknotes_cross_qt x86_64-w64-mingw32 "$windows" "$out/qt-build.log"
# GoogleTest for the logic tests.
banknotes_cross_gtest x86_64-w64-mingw32 "$windows/toolchain.cmake" "$out/googletest"

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
  -DBANKNOTES_QT_SOURCE_VERSION="$banknotes_qt_version"

echo "Testing under Wine"
if ! ctest --test-dir build-windows --output-on-failure; then
  for log in build-windows/tests/*.txt; do
    grep -q '^FAIL' "$log" && { echo "== $log"; grep -B2 -A4 '^FAIL' "$log"; }
  done >&2
  exit 1
fi

banknotes_step "Building the installer" cmake --build build-windows --target package
# installer, msi and older_msi: where the build put them.
source build-windows/installers.sh
echo "Installing, starting and uninstalling the installers under Wine"
tests/windows/installer_test.sh "$wine_prefix" "$installer" "$msi" "$older_msi"

echo "Made:"
ls -l build-windows/banknotes.exe "$installer" "$msi"
