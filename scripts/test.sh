#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   0. the format check: every C++ file as clang-format writes it (.clang-format);
#   1. the whole project (Release) with CTest;
#   2. the program heard under the Orca screen reader (scripts/screen-reader.sh), each steps file
#      of tests/screenreader/ one test; skipped, and said so, only where Orca cannot be installed;
#   3. the computation layer and its tests under AddressSanitizer and UndefinedBehaviorSanitizer;
#   4. the fuzz targets for a bounded number of inputs, and the short soak of the main window,
#      under the same sanitizers (scripts/fuzz.sh).
# Any failure stops the script with a non-zero status; a full pass ends with one summary line.
set -euo pipefail
cd "$(dirname "$0")/.."

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
passed=0
skipped=""
# Runs ctest on a build tree and adds its number of tests to the count.
run_ctest() {
    ctest --test-dir "$1" --output-on-failure -j "$(nproc)" | tee "$logs/ctest.log"
    passed=$((passed + $(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$logs/ctest.log")))
}

scripts/setup.sh
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
passed=$((passed + 1))
scripts/build.sh
run_ctest build

reader=0
scripts/screen-reader.sh | tee "$logs/screen-reader.log" || reader=$?
case $reader in
0) passed=$((passed + $(grep -c ': heard (' "$logs/screen-reader.log"))) ;;
77) skipped=" (the screen reader test was skipped: Orca cannot be installed here)" ;;
*) exit "$reader" ;;
esac

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPRODUCTION_LAB_UI=OFF -DPRODUCTION_LAB_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-sanitize -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build-sanitize

scripts/fuzz.sh | tee "$logs/fuzz.log"
# Each fuzz target that ends without a finding, and the soak, count as one test each.
passed=$((passed + $(grep -c '^fuzz .* no finding$' "$logs/fuzz.log") + 1))

echo "Summary: $passed passed, 0 failed$skipped"
