#!/usr/bin/env bash
# Sets up the machine, builds the project and runs every benchmark, each printing the project's
# figures against their floors and whether the goals hold:
#   1. analysis::draw against the bare arithmetic of its scan;
#   2. the whole Draw of the main window (offscreen) against computing and plotting its points
#      into an image, and with 0, 1,000 and 10,000 results listed; a zoom step to 400 % with
#      100 different Draws on the chart;
#   3. a curves window after a text change against computing and painting its curves alone;
#      the consumer windows' charts computed from their texts;
#   4. the chart's memory after 10,000 identical and 1,000 different Draws, and the resident
#      memory after start-up, after 10,000 Draws and after Clear;
#   5. export of a chart of 100 different Cobb-Douglas Draws as PNG, SVG and PDF;
#   6. the figure of the Draws: repainted at 3840 x 2160 with 100 Draws, a Draw with it open
#      against closed, the accuracy of its isoquants, the memory of 1,000 Draws in it;
#   7. start-up to the first paint and exit, against a bare window with the same controls,
#      offscreen and under a private Xvfb, with our paired timer and with hyperfine.
# Extra arguments go to the Google Benchmark programs (e.g. --benchmark_repetitions=15).
# Exits with 2 when a goal is missed, after running everything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
bin=build/bin
status=0

run() {
    echo
    echo "== $*"
    local rc=0
    "$@" || rc=$?
    if [ "$rc" -eq 2 ]; then
        status=2
    elif [ "$rc" -ne 0 ]; then
        echo "failed with status $rc" >&2
        exit "$rc"
    fi
}

startup() {
    run "$bin/bench_startup" --runs=30
    echo "-- hyperfine, the same probes:"
    hyperfine -N --warmup 3 --runs 30 --style basic "$bin/startup_program" "$bin/startup_barewindow" \
        | grep -A3 '^Summary' || true
}

# The benchmarks zoom and would save the step: they keep their settings in a folder of their own.
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$settings
run "$bin/bench_analysis" "$@"
run "$bin/bench_window" "$@"
run "$bin/bench_curves" "$@"
run "$bin/bench_consumer" "$@"
run "$bin/bench_consumerwindows" "$@"
run "$bin/bench_memory"
run "$bin/bench_export" "$@"
run "$bin/bench_figure" "$@"
startup

# Under a private X server: it picks a free display number itself and is stopped by its PID.
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null; rm -rf "$work" "$settings"' EXIT
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$work/log" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
echo
echo "== under Xvfb on $DISPLAY"
startup

exit "$status"
