#!/usr/bin/env bash
# Hears the program under the Orca screen reader: runs orca-speech (tests/screenreader/orca-speech)
# over every steps file in tests/screenreader/ and fails when an utterance a steps file requires
# is missing, printing what Orca said.
#
# A steps file is orca-speech's input; its requirements are comment lines, which orca-speech
# ignores:
#   # says SECTION: TEXT          an utterance of SECTION contains TEXT
#   # says-exactly SECTION: TEXT  an utterance of SECTION is TEXT
#   # never SECTION: TEXT         no utterance of SECTION is TEXT
# SECTION is a `mark` of the file, or `launch` for what Orca says when the window opens.
#
# Usage: scripts/screen-reader.sh [PROGRAM]   (default: build/bin/production-lab)
# Exit status: 0 all heard, 1 something missing, 77 skipped (Orca cannot be installed here).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/bin/production-lab}
tool=$root/tests/screenreader/orca-speech/orca-speech
[ -x "$program" ] || { echo "screen-reader: $program is not built (scripts/build.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Checks the requirements of steps file $1 against what Orca said ($2); prints each unmet one.
check() {
    local steps=$1 heard=$2 line kind want section text said unmet=0
    while IFS= read -r line; do
        case $line in
        '# says '* | '# says-exactly '* | '# never '*) ;;
        *) continue ;;
        esac
        kind=${line#'# '}
        kind=${kind%% *}
        want=${line#"# $kind "}
        section=${want%%: *}
        text=${want#*: }
        said=$(grep -F -- "$section: " "$heard" | sed -n "s/^$section: //p")
        case $kind in
        says) grep -qF -- "$text" <<<"$said" ;;
        says-exactly) grep -qxF -- "$text" <<<"$said" ;;
        never) ! grep -qxF -- "$text" <<<"$said" ;;
        esac || {
            echo "screen-reader: ${steps##*/}: $kind \"$want\" not met"
            unmet=1
        }
    done <"$steps"
    return $unmet
}

failed=0
total_start=$SECONDS
for steps in "$root"/tests/screenreader/*.steps; do
    name=$(basename "$steps" .steps)
    heard=$work/$name.heard errors=$work/$name.errors
    start=$SECONDS
    "$tool" "$program" <"$steps" >"$heard" 2>"$errors"
    rc=$?
    if [ $rc -ne 0 ]; then
        if grep -q "missing Debian packages\|apt-get could not install" "$errors"; then
            echo "screen-reader: SKIPPED, Orca cannot be installed here: $(head -n 1 "$errors")"
            exit 77
        fi
        echo "screen-reader: $name: orca-speech failed (status $rc):"
        cat "$errors"
        failed=1
        continue
    fi
    if check "$steps" "$heard"; then
        echo "screen-reader: $name: heard ($((SECONDS - start)) s)"
    else
        echo "screen-reader: $name: FAILED ($((SECONDS - start)) s); what Orca said:"
        sed 's/^/    /' "$heard"
        failed=1
    fi
done
echo "screen-reader: $([ $failed = 0 ] && echo passed || echo FAILED) in $((SECONDS - total_start)) s"
exit $failed
