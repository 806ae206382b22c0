#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its name, its control fields, its Depends line
# (from the program's shared libraries) and its contents.
# Usage: check_deb.sh BUILD_DIR OUT_DIR VERSION EXPECTED_LIST
set -euo pipefail
build=$1 out=$2 version=$3 expected=$4

rm -rf "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 ||
    { cat "$out.log"; echo "cpack failed"; exit 1; }
deb=$out/production-lab_${version}-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$out"; echo "no package named $(basename "$deb")"; exit 1; }

faults=0
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() { # name, expected value
    local value
    value=$(field "$1")
    if [ "$value" != "$2" ]; then
        echo "$1: '$value', expected '$2'"
        faults=$((faults + 1))
    fi
}
expect_field Package production-lab
expect_field Version "$version-1"
expect_field Section education
expect_field Architecture "$(dpkg --print-architecture)"
expect_field Maintainer "The Production Lab developers"
[ -z "$(field Homepage)" ] || { echo "Homepage names a site the project does not have"; faults=$((faults + 1)); }
[ "$(field Description | wc -l)" -ge 2 ] ||
    { echo "Description has no long text"; faults=$((faults + 1)); }

# The Depends line comes from dpkg-shlibdeps: the Qt libraries the program links, with versions.
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6printsupport6 libc6 libstdc++6; do
    found=no
    IFS=',' read -r -a entries <<<"$depends"
    for entry in "${entries[@]}"; do
        entry=${entry# }
        [[ "$entry" == "$lib (>= "*")"* || "$entry" == "$lib:"*" (>= "*")"* ]] && found=yes
    done
    if [ "$found" = no ]; then
        echo "Depends lacks a versioned $lib: $depends"
        faults=$((faults + 1))
    fi
done

# The contents are the installed files under /usr, owned by root, the program executable.
listing=$(dpkg-deb -c "$deb")
actual=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' <<<"$listing" | LC_ALL=C sort)
wanted=$(sed 's|^|usr/|' "$expected" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
    echo "package files differ from the expected list (< expected, > packaged):"
    diff <(echo "$wanted") <(echo "$actual") || true
    faults=$((faults + 1))
fi
if awk '$2 != "root/root" { bad = 1 } END { exit !bad }' <<<"$listing"; then
    echo "files not owned by root/root:"
    awk '$2 != "root/root"' <<<"$listing"
    faults=$((faults + 1))
fi
grep -q '^-rwxr-xr-x .* \./usr/bin/production-lab$' <<<"$listing" ||
    { echo "the program is not installed with mode 755"; faults=$((faults + 1)); }

[ "$faults" -eq 0 ] || exit 1
echo "$(basename "$deb"): Depends: $depends"
