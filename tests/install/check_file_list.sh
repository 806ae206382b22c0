#!/usr/bin/env bash
# Compares the files of an installed prefix with the expected list, and checks that the program
# is an executable for this machine and the icon a 32 x 32 PNG.
# Usage: check_file_list.sh PREFIX EXPECTED_LIST APP_ID
set -euo pipefail
prefix=$1 expected=$2 app_id=$3

actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(LC_ALL=C sort "$expected")
if [ "$actual" != "$wanted" ]; then
    echo "installed files differ from the expected list (< expected, > installed):"
    diff <(echo "$wanted") <(echo "$actual") || true
    exit 1
fi

program=$prefix/$(grep '/production-lab$' "$expected")
[ -x "$program" ] || { echo "not executable: $program"; exit 1; }
file -bL "$program" | grep -q '^ELF .*executable' ||
    { echo "not an executable program: $(file -bL "$program")"; exit 1; }
icon=$(find "$prefix" -path "*/32x32/apps/$app_id.png")
file -b "$icon" | grep -q '^PNG image data, 32 x 32' ||
    { echo "window icon is not a 32 x 32 PNG: $(file -b "$icon")"; exit 1; }
echo "$(echo "$actual" | wc -l) files installed as expected"
