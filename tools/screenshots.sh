#!/usr/bin/env bash
# Remakes the README's pictures from the real window under Xvfb: the title, a board with
# marks and a shown step, and the best records. The game runs as a portable copy in a
# folder of its own, so no records of the player's are touched.
#   tools/screenshots.sh [BUILD_DIR]      (default: build; needs xvfb, xdotool, imagemagick)
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="$(cd "${1:-$repo/build}" && pwd)/bin"
out="$repo/docs"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$bin/korvel-sudoku" "$work/"
cp -r "$bin/res" "$work/"
mkdir -p "$work/save"
# Records of our own: a name of 32 bytes and a 32-bit time or score per level.
record() { printf '%-32s' "$1"; printf "\\x$(printf %02x $(($2 & 255)))\\x$(printf %02x $(($2 >> 8)))\\x00\\x00"; }
{ record "Ada" 412; record "Grace" 655; record "Edsger" 1198; } >"$work/hs.rec"
{ record "Ada" 8734; record "Alan" 7120; record "Barbara" 5390; } >"$work/hhs.rec"

export HOME="$work/home" XDG_RUNTIME_DIR="$work"
mkdir -p "$HOME"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$1/korvel-sudoku" >/dev/null 2>&1 &
    game=$!
    window="$(timeout 20 xdotool search --sync --name "^Korvel Sudoku\$" | head -1)"
    click() { xdotool mousemove --window "$window" "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.4; }
    key() { xdotool key --window "$window" "$@"; sleep 0.3; }
    shot() {
        sleep 0.6
        eval "$(xdotool getwindowgeometry --shell "$window")"
        import -window root -crop "793x607+$X+$Y" +repage "$2/$3"
    }
    sleep 2
    xdotool mousemove --window "$window" 700 590
    shot "$window" "$1" title.png
    click 365 140             # BEGIN GAME
    click 400 478             # OK: an Easy training game
    sleep 1.5
    xdotool mousemove --window "$window" 780 590
    key m                     # every candidate
    key h                     # and the next step
    shot "$window" "$1" board.png
    key h
    click 92 281              # MAIN MENU
    click 520 356             # OK
    click 365 350             # BEST RECORDS
    xdotool mousemove --window "$window" 780 590
    shot "$window" "$1" records.png
    kill "$game"
' shots "$work"

mkdir -p "$out"
# Fewer colours keep the three well under a megabyte; the game's greens survive it.
for name in title board records; do
    convert "$work/$name.png" -strip -colors 96 "png8:$out/$name.png"
done
du -ch "$out"/title.png "$out"/board.png "$out"/records.png | tail -1
