#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test:
#   1. the whole project (Release) with CTest;
#   2. the computation layer and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPRODUCTION_LAB_UI=OFF -DPRODUCTION_LAB_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-sanitize -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
scripts/fuzz.sh
