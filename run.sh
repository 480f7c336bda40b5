#!/usr/bin/env bash
# Builds Korvel Sudoku (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
korvel_install_packages
korvel_build --target korvel-sudoku
exec ./build/bin/korvel-sudoku "$@"
