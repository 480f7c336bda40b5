#!/usr/bin/env bash
# Builds Korvel Sudoku (installing what is missing) and starts it, or installs it:
#   ./run.sh [FILE.sv]           build and play
#   ./run.sh --install PREFIX    build and install into PREFIX (for example ~/.local)
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
korvel_install_packages
korvel_build --target korvel-sudoku
if [ "${1:-}" = "--install" ]; then
    prefix="${2:?usage: ./run.sh --install PREFIX}"
    cmake --install build --prefix "$prefix"
    # Desktops learn new MIME types and menu entries from caches kept beside them.
    update-mime-database "$prefix/share/mime"
    update-desktop-database "$prefix/share/applications"
    exit 0
fi
exec ./build/bin/korvel-sudoku "$@"
