# Shared by tools/windows.sh and tools/web.sh: Qt (for Windows) and GoogleTest
# for another platform, built once from Debian's own sources and cached outside
# the clone, for every clone to reuse. Sourced, not run.

banknotes_cache=${XDG_CACHE_HOME:-$HOME/.cache}/banknotes
banknotes_qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)

# banknotes_cross_qt NAME PLATFORM_DIR LOG: sets qt to the prefix of Qt built
# for NAME with the options and toolchain in PLATFORM_DIR, building it first,
# with its output in LOG, when the cache has none. The folder's name holds a hash
# of both files, comments aside.
banknotes_cross_qt() {
  local name=$1 platform=$2 log=$3 hash start
  hash=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$platform/qt-configure-options" \
    "$platform/toolchain.cmake" | sha256sum | cut -c1-12)
  qt=$banknotes_cache/qt-$banknotes_qt_version-$name-$hash
  [ -d "$qt" ] && return 0
  echo "Building Qt $banknotes_qt_version for $name into $qt"
  echo "  (about 25 minutes on two cores, once; log in $log)"
  start=$SECONDS
  if ! tools/build-qt.sh "$qt" "$platform" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "Failed: building Qt for $name" >&2
    return 1
  fi
  echo "  Qt built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
}

# banknotes_cross_gtest NAME TOOLCHAIN WORK_DIR: sets gtest to the prefix of
# GoogleTest built for NAME from Debian's source with TOOLCHAIN, in WORK_DIR. The
# folder's name holds a hash of the toolchain, comments aside.
banknotes_cross_gtest() {
  local name=$1 toolchain=$2 work=$3 hash
  hash=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$toolchain" | sha256sum | cut -c1-12)
  gtest=$banknotes_cache/googletest-$(dpkg-query -W -f='${Version}' googletest)-$name-$hash
  [ -d "$gtest" ] && return 0
  rm -rf "$gtest.partial" "$work"
  banknotes_step "Building GoogleTest for $name" sh -c "
    cmake -S /usr/src/googletest -B '$work' -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE='$toolchain' -DCMAKE_INSTALL_PREFIX='$gtest.partial' &&
    cmake --build '$work' --target install"
  mv "$gtest.partial" "$gtest"
}
