#!/usr/bin/env bash
# Builds banknotes for the web with Qt for WebAssembly on this Debian machine and
# tries it in a real browser. Leaves build-web/site/: static files that any web
# server can serve, index.html the page. Needs nothing from build/ or
# build-windows/. The page is in web/, its test in tests/web/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/setup.sh
banknotes_install_missing "${banknotes_web_packages[@]}"

web=$root/tools/emscripten
out=$root/build-web
mkdir -p "$out"
# emscripten's own JavaScript modules are Debian's, which a node from elsewhere
# does not look for by itself.
export NODE_PATH=/usr/share/nodejs

# Qt's wasm build looks for an emsdk: a folder that names where emcc is, with
# emcc and its friends in it. Debian's emscripten is in /usr/bin.
emsdk=$out/emsdk
mkdir -p "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$emsdk/.emscripten"
for tool in emcc em++ emar emranlib emcmake em-config; do
  ln -sf "/usr/bin/$tool" "$emsdk/upstream/emscripten/$tool"
done

source tools/cross.sh
EMSDK=$emsdk banknotes_cross_qt wasm "$web" "$out/qt-build.log" \
  "$(dpkg-query -W -f='emscripten ${Version}' emscripten)"
# GoogleTest for the logic tests, which run under Node.
banknotes_cross_gtest wasm "$web/toolchain.cmake" "$out/googletest"

banknotes_build build-web all -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$web/toolchain.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="node;--no-experimental-fetch" \
  -DGTest_DIR="$gtest/lib/cmake/GTest" -DBANKNOTES_BENCH=OFF \
  -DBANKNOTES_QT_SOURCE_VERSION="$banknotes_qt_version" \
  -DBANKNOTES_FONT_VERSION="$(dpkg-query -W -f='${Version}' fonts-liberation2)"

# Playwright, at the version the lockfile pins, driving Debian's Chromium.
browser=$out/browser
if ! cmp -s tests/web/package-lock.json "$browser/package-lock.json"; then
  rm -rf "$browser"
  mkdir -p "$browser"
  cp tests/web/package.json tests/web/package-lock.json "$browser/"
  banknotes_step "Installing playwright-core from the lockfile" \
    npm ci --prefix "$browser" --ignore-scripts --no-audit --no-fund
fi

echo "Testing: the logic under Node, the page in Chromium"
ctest --test-dir build-web --output-on-failure
# The browser test's checks and figures.
sed -n 's/^\(PASS\|FAIL\|figure\)  /  \1 /p' build-web/Testing/Temporary/LastTest.log
echo "Made build-web/site/: serve it, for example with"
echo "  python3 -m http.server -d build-web/site --bind 127.0.0.1 8000"
