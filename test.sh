#!/usr/bin/env bash
# Builds Korvel Sudoku (installing what is missing) and runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
korvel_install_packages
korvel_build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 600 -j "$(nproc)"
