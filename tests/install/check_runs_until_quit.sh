#!/usr/bin/env bash
# Starts the installed program the way the desktop does, from the Exec line of its installed
# desktop entry with the prefix's bin folder first in PATH, offscreen; checks that it is still
# running after a few seconds and that it ends when told to (SIGTERM).
# Usage: check_runs_until_quit.sh PREFIX DESKTOP_ENTRY [SECONDS]
set -euo pipefail
prefix=$(realpath "$1") desktop=$2 seconds=${3:-3}

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -n "$exec_line" ] || { echo "no Exec line in $desktop"; exit 1; }
read -r -a command <<<"${exec_line//%[a-zA-Z]/}"   # drop field codes such as %f

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/runtime"
PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
    "${command[@]}" >"$work/output" 2>&1 &
pid=$!

sleep 0.5
started=$(readlink "/proc/$pid/exe" || true)
sleep "$seconds"
if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    echo "the program ended on its own with status $status after less than $seconds s:"
    cat "$work/output"
    exit 1
fi
if [[ "$started" != "$prefix"/*/production-lab ]]; then
    echo "the desktop entry started $started, not the installed program"
    exit 1
fi

kill -TERM "$pid"
status=0
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end within 5 s of SIGTERM"
    exit 1
fi
wait "$pid" || status=$?
pid=
if [ "$status" -ne 143 ]; then
    echo "the program ended with status $status instead of being ended by SIGTERM:"
    cat "$work/output"
    exit 1
fi
echo "stayed up for $seconds s and ended on SIGTERM"
