#!/usr/bin/env bash
# Rebuilds korvel-artgen and redraws the game's res/ folder and desktop icons from code.
# Needs a C++ toolchain, Qt 6 and the lame MP3 encoder.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ARTGEN_BUILD_DIR:-$repo/build-art}"

cmake -S "$repo" -B "$build" -G Ninja -DKORVEL_BUILD_TESTS=OFF -DKORVEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target korvel-artgen
QT_QPA_PLATFORM=offscreen "$build/bin/korvel-artgen" "$repo/res"
QT_QPA_PLATFORM=offscreen "$build/bin/korvel-artgen" --icons "$repo/dist/icons"
echo "res/ and dist/icons/ regenerated; review with: git status res dist"
