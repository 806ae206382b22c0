#!/usr/bin/env bash
# Installs, from Debian's packages, whatever this project needs to build, run and test that the
# machine does not have yet. Uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config file
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-svg-dev qt6-l10n-tools libgl-dev
    clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev libfuzzer-14-dev
    xvfb xauth xdotool fonts-dejavu-core
    hyperfine desktop-file-utils appstream dpkg-dev python3 poppler-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
