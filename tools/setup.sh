#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and builds it.
# Sourced by run.sh and test.sh.
set -euo pipefail

KORVEL_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libx11-dev
    libsdl2-mixer-dev pulseaudio pulseaudio-utils
    fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
    libgtest-dev libbenchmark-dev
    poppler-utils
    desktop-file-utils appstream shared-mime-info libglib2.0-bin
    xvfb xauth xdotool x11-utils
    clang libclang-rt-14-dev llvm
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

KORVEL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

korvel_build() {
    cmake -S "$KORVEL_ROOT" -B "$KORVEL_ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build "$KORVEL_ROOT/build" --parallel "$(nproc)" "$@"
}

# The suite and the fuzz targets under AddressSanitizer and UndefinedBehaviorSanitizer,
# built by clang (libFuzzer comes with it) in a folder of their own. Light optimisation
# keeps the run quick without losing the line numbers of a report; the benchmarks are
# left out, they mean nothing there.
korvel_build_sanitized() {
    cmake -S "$KORVEL_ROOT" -B "$KORVEL_ROOT/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-O1 \
        -DKORVEL_SANITIZE=ON -DKORVEL_FUZZ=ON -DKORVEL_BUILD_BENCH=OFF
    cmake --build "$KORVEL_ROOT/build-asan" --parallel "$(nproc)" \
        --target korvel_tests korvel_fuzzers "$@"
}
