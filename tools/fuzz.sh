#!/usr/bin/env bash
# Runs every fuzz target (the file readers, the step solver) for SECONDS each (default
# 300), one after the other, under AddressSanitizer and UndefinedBehaviorSanitizer. New
# inputs are kept in build-asan/fuzz-work/; a finding is written to the current folder as
# crash-*, leak-* or timeout-* and makes this script fail.
#   tools/fuzz.sh [SECONDS]
set -euo pipefail
seconds="${1:-300}"
cd "$(dirname "$0")/.."
source tools/setup.sh
korvel_install_packages
korvel_build_sanitized
status=0
for target in saved_game_fuzz record_file_fuzz puzzle_line_fuzz step_solver_fuzz; do
    work="build-asan/fuzz-work/$target"
    mkdir -p "$work"
    echo "== $target: $seconds s"
    if ! "build-asan/bin/$target" -max_total_time="$seconds" -timeout=5 -print_final_stats=1 \
        "$work" "fuzz/corpus/$target" 2>"build-asan/$target.log"; then
        status=1
        tail -n 40 "build-asan/$target.log"
    fi
    grep -E "number_of_executed_units|peak_rss_mb" "build-asan/$target.log" || true
done
exit "$status"
