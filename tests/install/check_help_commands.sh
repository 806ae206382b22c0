#!/usr/bin/env bash
# Runs the installed program on a private X server, chooses Help > Glossary and Help > How to use
# this software with the keyboard, and checks that the addresses it hands to the desktop (through
# xdg-open, replaced here by a recorder) are file URLs of the installed help pages. Then ends the
# program through File > Exit.
# Usage: check_help_commands.sh PREFIX HELP_DIR_IN_PREFIX
set -euo pipefail
prefix=$(realpath "$1") help_dir=$2
title="Elements of the neoclassical theory of production"

work=$(mktemp -d)
xvfb_pid= pid=
stop() { # pid
    if [ -n "$1" ] && kill -0 "$1" 2>/dev/null; then
        kill -TERM "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
cleanup() {
    stop "$pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "$*"
    echo "--- program output:"
    cat "$work/output" 2>/dev/null || true
    exit 1
}

# Xvfb picks a free display number itself and writes it to fd 3 once it accepts connections.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n 1 "$work/display")"

mkdir -p "$work/bin" "$work/home"
mkdir -m 700 "$work/runtime"
cat >"$work/bin/xdg-open" <<RECORDER
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
RECORDER
chmod +x "$work/bin/xdg-open"
touch "$work/opened"

# No desktop environment: Qt hands URLs to the first xdg-open in PATH.
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    PATH="$work/bin:$prefix/bin:$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb production-lab >"$work/output" 2>&1 &
pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title" | head -n 1) ||
    fail "the main window did not appear"
xdotool windowfocus --sync "$window"

# Waits until the recorder holds $1 lines.
wait_for_lines() {
    for _ in $(seq 50); do
        [ "$(wc -l <"$work/opened")" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
# Chooses a menu item with Alt+key, then the item's key, until the recorder holds $3 lines; on a
# busy machine the menu can open after the second key was sent, so it retries with more time.
choose() { # menu key, item key, lines expected after it
    local attempt
    for attempt in 1 2 3; do
        xdotool key --clearmodifiers "alt+$1"
        sleep "0.$((attempt * 3))"
        xdotool key --clearmodifiers "$2"
        wait_for_lines "$3" && return 0
        xdotool key Escape Escape
    done
    return 1
}

choose h g 1 || fail "Help > Glossary opened nothing"
choose h h 2 || fail "Help > How to use this software opened nothing"

check_url() { # line, page, menu item
    local url path
    url=$(sed -n "$1p" "$work/opened")
    [[ "$url" == file://* ]] || fail "$3 opened $url, not a file URL"
    path=${url#file://}
    path=$(printf '%b' "${path//%/\\x}")
    [ -f "$path" ] || fail "$3 opened $url, which is not an existing file"
    [ "$(realpath "$path")" = "$(realpath "$prefix/$help_dir/$2")" ] ||
        fail "$3 opened $path instead of the installed $help_dir/$2"
    echo "$3: $url"
}
check_url 1 concepts.htm "Help > Glossary"
check_url 2 software/tolvane.htm "Help > How to use this software"

for attempt in 1 2 3; do
    xdotool key --clearmodifiers alt+f
    sleep "0.$((attempt * 3))"
    # "&Export Chart..." shares Exit's access key; Up from the menu's first item reaches
    # Exit, its last.
    xdotool key --clearmodifiers Up Return
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break 2; sleep 0.1; done
    xdotool key Escape Escape
done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "File > Exit ended the program with status $status"
echo "File > Exit ended the program"
