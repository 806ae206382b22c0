#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs each for a bounded number of inputs on a copy of its seed corpus, so the
# repository is never written. Fails on any finding; findings are kept in build-fuzz/findings/.
# Then runs the short soak of the main window (tests/soak) under the same sanitizers, with a fresh
# random seed each time (printed, so that a failure can be replayed).
#   FUZZ_RUNS  inputs per target (default 500000, about a minute each on 2 cores)
#   FUZZ_SEED  libFuzzer's random seed (default 1, so a run can be repeated)
#   SOAK_SEED  the soak's seed (default: a fresh one); SOAK_DRAWS its Draws (default 300)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${FUZZ_RUNS:-500000}
seed=${FUZZ_SEED:-1}

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPRODUCTION_LAB_UI=OFF -DPRODUCTION_LAB_BENCH=OFF -DPRODUCTION_LAB_FUZZ=ON
cmake --build build-fuzz -j "$(nproc)" --target numericvalue_fuzzer draw_fuzzer curves_fuzzer consumer_fuzzer

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=$PWD/build-fuzz/findings
mkdir -p "$findings"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1

for target in numericvalue draw curves consumer; do
    fuzzer=build-fuzz/bin/${target}_fuzzer
    # The curves windows read the same inputs as a Draw, so they start from the Draw's seeds.
    seeds=$target
    [ "$target" = curves ] && seeds=draw
    cp -r "fuzz/corpus/$seeds" "$work/$target"
    # Every seed in full first: some are longer than the inputs the bounded run makes.
    "$fuzzer" -artifact_prefix="$findings/$target-" "$work/$target"/* 2> "$work/$target-seeds.log" || {
        cat "$work/$target-seeds.log"
        echo "$target: a seed input breaks the target; see $findings" >&2
        exit 1
    }
    start=$SECONDS
    "$fuzzer" -runs="$runs" -seed="$seed" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$work/$target" 2> "$work/$target.log" || {
        tail -n 60 "$work/$target.log"
        echo "$target: finding; the input is in $findings" >&2
        exit 1
    }
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    corpus=$(find "$work/$target" -type f | wc -l)
    echo "fuzz $target: $executed executions in $((SECONDS - start)) s, seed $seed, corpus $corpus inputs, no finding"
done

# The short soak of the main window under the same sanitizers (gcc, like the other sanitizer tree).
cmake -S . -B build-soak-sanitize -DCMAKE_BUILD_TYPE=Debug -DPRODUCTION_LAB_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-soak-sanitize -j "$(nproc)" --target tst_soak
soak_seed=${SOAK_SEED:-$(( $(od -An -N4 -tu4 /dev/urandom) % 2147483648 ))}
echo "soak seed $soak_seed (replay: SOAK_SEED=$soak_seed QT_QPA_PLATFORM=offscreen build/bin/tst_soak)"
SOAK_SEED=$soak_seed QT_QPA_PLATFORM=offscreen build-soak-sanitize/bin/tst_soak || {
    echo "soak: failed with seed $soak_seed; replay with SOAK_SEED=$soak_seed" >&2
    exit 1
}
