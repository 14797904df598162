#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test through ctest;
# then a short run of each fuzzer in build-fuzz/ when clang is there, and last the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
# Window tests need an X server: without a display they run under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
source tools/display.sh
banknotes_install_missing "${banknotes_test_packages[@]}"

banknotes_build build all
banknotes_with_display ctest --test-dir build --output-on-failure

if command -v clang++ >/dev/null 2>&1; then
  banknotes_build build-fuzz all -DCMAKE_CXX_COMPILER=clang++ -DBANKNOTES_FUZZ=ON
  for fuzzer in read_number dispatch all_or_nothing character_limit practice explore worksheet amount till; do
    # New inputs go to build-fuzz/, never into the seed corpus in the repo.
    mkdir -p "build-fuzz/corpus/$fuzzer"
    echo "Fuzzing $fuzzer for 20 seconds"
    "build-fuzz/fuzz/fuzz_$fuzzer" -max_total_time=20 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/ "build-fuzz/corpus/$fuzzer" "fuzz/corpus/$fuzzer" 2>&1 | tail -n 12
  done
else
  echo "clang++ not found: fuzzers not run"
fi

banknotes_build build-asan all -DBANKNOTES_SANITIZE=ON -DBANKNOTES_BENCH=OFF
# Leaks are checked; the suppressions name only leaks inside system libraries
# that the window pulls in (D-Bus), which we cannot mend.
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
  LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  banknotes_with_display ctest --test-dir build-asan --output-on-failure
