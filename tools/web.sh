#!/usr/bin/env bash
# Builds banknotes for the web on this Debian machine and tries it in a real
# browser. Leaves build-web/site/: static files that any web server can serve,
# index.html the page. The page is HTML written at build time from the window's
# description (web/), over the logic built for WebAssembly with Debian's
# emscripten; its test is in tests/web/. Needs nothing from build/ or
# build-windows/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
source tools/display.sh
banknotes_install_missing "${banknotes_web_packages[@]}"

out=$PWD/build-web
mkdir -p "$out"
# emscripten's own JavaScript modules are Debian's, which a node from elsewhere
# does not look for by itself.
export NODE_PATH=/usr/share/nodejs

# What the build runs on this machine: the page's writer and the icon's drawing.
banknotes_build build-web/host page_writer -DBANKNOTES_BENCH=OFF
banknotes_step "Building icon_writer in build-web/host/" \
  cmake --build build-web/host -j "$(nproc)" --target icon_writer

source tools/cross.sh
# GoogleTest for the logic tests, which run under Node.
banknotes_cross_gtest wasm "$PWD/tools/emscripten/toolchain.cmake" "$out/googletest"

banknotes_build build-web all -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/emscripten/toolchain.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="node;--no-experimental-fetch" \
  -DGTest_DIR="$gtest/lib/cmake/GTest" -DBANKNOTES_WINDOW=OFF -DBANKNOTES_BENCH=OFF \
  -DBANKNOTES_HOST_TOOLS="$out/host" \
  -DBANKNOTES_FONT_VERSION="$(dpkg-query -W -f='${Version}' fonts-liberation2)"

# Playwright, axe-core, Puppeteer and Selenium, at the versions the lockfile pins,
# driving Debian's Chromium, Firefox ESR and WebKitGTK.
browser=$out/browser
if ! cmp -s tests/web/package-lock.json "$browser/package-lock.json"; then
  rm -rf "$browser"
  mkdir -p "$browser"
  cp tests/web/package.json tests/web/package-lock.json "$browser/"
  banknotes_step "Installing the browser tests' drivers from the lockfile" \
    npm ci --prefix "$browser" --ignore-scripts --no-audit --no-fund
fi

echo "Testing: the logic under Node, the page in Chromium, Firefox and WebKit, and with Orca"
banknotes_with_display ctest --test-dir build-web --output-on-failure
# The browser tests' checks and figures.
sed -n 's/^\(PASS\|FAIL\|SKIP\|figure\)  /  \1 /p' build-web/Testing/Temporary/LastTest.log
echo "Made build-web/site/: serve it, for example with"
echo "  python3 -m http.server -d build-web/site --bind 127.0.0.1 8000"
