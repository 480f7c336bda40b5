#!/usr/bin/env bash
# Builds Korvel Sudoku (installing what is missing) and runs every test, headless: the
# plain build first, then the same suite and a short run of each fuzz target under
# AddressSanitizer and UndefinedBehaviorSanitizer. Each test has a time limit, so a
# hang fails in seconds.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
korvel_install_packages
export QT_QPA_PLATFORM=offscreen
korvel_build
ctest --test-dir build --output-on-failure --timeout 30 -j "$(nproc)"
korvel_build_sanitized
ctest --test-dir build-asan --output-on-failure --timeout 60 -j "$(nproc)"
