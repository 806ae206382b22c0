#!/usr/bin/env bash
# Installs, from Debian's packages, whatever this project needs to build, run and test that the
# machine does not have yet. Uses sudo when not run as root. The screen reader's packages (Orca
# and its desktop services, for scripts/screen-reader.sh) are installed when they can be; without
# them only that test is skipped.
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
screen_reader=(dbus-x11 at-spi2-core orca speech-dispatcher openbox python3-pyatspi)

# The packages among the arguments that are not installed yet, one a line.
missing_of() {
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
            echo "$p"
        fi
    done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_reader < <(missing_of "${screen_reader[@]}")

if [ ${#missing[@]} -eq 0 ] && [ ${#missing_reader[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
install() {
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"
}
"${sudo[@]}" apt-get update -qq || [ ${#missing[@]} -eq 0 ]
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    install "${missing[@]}"
fi
if [ ${#missing_reader[@]} -gt 0 ]; then
    echo "Installing the screen reader's packages: ${missing_reader[*]}"
    install "${missing_reader[@]}" ||
        echo "setup: the screen reader's packages could not be installed; scripts/screen-reader.sh will be skipped" >&2
fi
