#!/usr/bin/env bash
# Installs the built game into a temporary prefix and looks at it as a desktop would: the
# files in their places, the desktop entry, metainfo and MIME type valid, and the game
# starting from the read-only prefix with its records in the player's home.
# Usage: tools/check-install.sh BUILD_DIR
set -euo pipefail

build="$(cd "$1" && pwd)"
id=net.korvel.KorvelSudoku
work="$(mktemp -d)"
prefix="$work/prefix"
home="$work/home"
mkdir -p "$home"

cleanup() {
    chmod -R u+w "$work"
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "check-install: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/korvel-sudoku \
    share/korvel-sudoku/res/title.png share/korvel-sudoku/res/icon.png \
    share/korvel-sudoku/res/sound/bg1.mp3 share/korvel-sudoku/res/surf/sea/222.bmp \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/mime/packages/$id.xml \
    share/icons/hicolor/16x16/apps/$id.png share/icons/hicolor/256x256/apps/$id.png; do
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done
[ -e "$prefix/bin/korvel_tests" ] && fail "the tests were installed"

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

version="$("$prefix/bin/korvel-sudoku" --version)"
grep -q "<release version=\"${version#korvel-sudoku }\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release for $version"

# A saved game is known by its content even though other programs use *.sv too.
update-mime-database "$prefix/share/mime" >"$work/mime.log" 2>&1 || {
    cat "$work/mime.log" >&2
    fail "the MIME type was refused"
}
printf 'T0\001\000' >"$work/game.sv"
head -c 330 /dev/zero >>"$work/game.sv"
printf 'module top;\nendmodule\n' >"$work/design.sv"
content_type() {
    XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$home/.local/share" \
        gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p'
}
[ "$(content_type "$work/game.sv")" = application/x-korvel-sudoku-save ] ||
    fail "a saved game is taken for $(content_type "$work/game.sv")"
[ "$(content_type "$work/design.sv")" != application/x-korvel-sudoku-save ] ||
    fail "a text file ending in .sv is taken for a saved game"

# The installed game, read-only and started from elsewhere, finds res/ from its own place
# (its window gets the icon from there) and keeps its records in the player's home.
chmod -R a-w "$prefix"
touch "$work/started"
cd "$work"
env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work" timeout 60 \
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        "$1/bin/korvel-sudoku" 2>"$2" &
        game=$!
        records="$HOME/.local/share/korvel-sudoku"
        for _ in $(seq 100); do
            [ -e "$records/hs.rec" ] && [ -e "$records/hhs.rec" ] && break
            sleep 0.2
        done
        window="$(timeout 20 xdotool search --sync --name "^Korvel Sudoku\$" | head -1)"
        icon="$(xprop -id "$window" _NET_WM_ICON | head -c 200)"
        kill "$game"
        wait "$game" 2>/dev/null || true
        [ -e "$records/hs.rec" ] && [ -e "$records/hhs.rec" ] || { echo "no records in $records" >&2; exit 1; }
        case "$icon" in *"not found"*) echo "no window icon: res/ was not found" >&2; exit 1 ;; esac
    ' check "$prefix" "$work/game.log" || {
    cat "$work/game.log" >&2
    fail "the installed game did not start as it should"
}

changed="$(find "$prefix" -newer "$work/started")"
[ -z "$changed" ] || fail "the game wrote into its prefix: $changed"
echo "check-install: ok"
