#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and builds it.
# Sourced by run.sh and test.sh.
set -euo pipefail

KORVEL_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    gstreamer1.0-plugins-good
    fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
    libgtest-dev libbenchmark-dev
    poppler-utils
    desktop-file-utils appstream shared-mime-info libglib2.0-bin
    xvfb xauth xdotool x11-utils
)

korvel_install_packages() {
    local missing=()
    for package in "${KORVEL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

korvel_build() {
    local root
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build "$root/build" --parallel "$(nproc)" "$@"
}
