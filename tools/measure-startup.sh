#!/usr/bin/env bash
# Starts the game, a bare Qt window of the same size and, when it is installed, GNOME Sudoku
# (Debian's gnome-sudoku, an unrelated open-source Sudoku game) under one Xvfb, each once
# uncounted (to warm the caches as a desktop would) and then RUNS times, taking turns, and
# prints side by side: the time from launch until the window first shows content, resident
# memory and the share of one core used while the pointer rests, on the first screen and on
# a new board, and the number of threads; then, round by round, the game's figures over the
# others', with the median of those ratios. BEFORE=DIR adds the game of another build (an
# earlier commit's) to the same run.
# GNOME Sudoku starts on its difficulty list; the script clicks "Hard", which deals a board.
# It runs with a home of its own each time, so it never resumes a game, with GDK_BACKEND=x11
# and GSK_RENDERER as given (cairo by default; recorded in the output).
# With AUDIO=1 a private sound server with a null output stands in for a sound card, so
# the sound is opened and played as on a machine that has one.
# Usage: tools/measure-startup.sh [BUILD_DIR]   (RUNS=5 SETTLE=2 IDLE=5 AUDIO=0 by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="${1:-$root/build}/bin"
runs="${RUNS:-5}"
settle="${SETTLE:-2}"
idle="${IDLE:-5}"
export GSK_RENDERER="${GSK_RENDERER:-cairo}"
peer=/usr/games/gnome-sudoku
for tool in korvel-sudoku korvel-barewindow korvel-firstframe; do
    [ -x "$bin/$tool" ] || { echo "missing $bin/$tool: build it first" >&2; exit 1; }
done

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
pulse=""
scratch="$(mktemp -d)"
trap 'kill $xvfb $pulse 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY="$display"
if [ "${AUDIO:-0}" = 1 ]; then
    HOME="$scratch" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load=module-null-sink \
        --load="module-native-protocol-unix socket=$scratch/native auth-anonymous=1" \
        >/dev/null 2>&1 &
    pulse=$!
    export PULSE_SERVER="unix:$scratch/native"
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

status() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
mib() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }
# Nanoseconds all the process's threads have run, finer than the clock ticks of its stat.
runtime_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { print ns }'; }
# Percent of one core the process uses over the next $idle seconds.
idle_cpu() {
    local before after
    before="$(runtime_ns "$1")"
    sleep "$idle"
    after="$(runtime_ns "$1")"
    awk -v ns="$((after - before))" -v s="$idle" 'BEGIN { printf "%.2f", ns / 1e7 / s }'
}

# Starts a program by name, the peer in a fresh home of its own.
start() {
    case "$1" in
    gnome-sudoku)
        rm -rf "$scratch/peer" && mkdir -p "$scratch/peer/data" "$scratch/peer/config"
        HOME="$scratch/peer" XDG_DATA_HOME="$scratch/peer/data" \
            XDG_CONFIG_HOME="$scratch/peer/config" GSETTINGS_BACKEND=memory GDK_BACKEND=x11 \
            NO_AT_BRIDGE=1 "$bin/korvel-firstframe" "$peer" 2>/dev/null
        ;;
    *) "$bin/korvel-firstframe" "$2" 2>/dev/null ;;
    esac
}

# Brings a started program from its first screen to a new board.
to_board() {
    case "$1" in
    korvel-sudoku*)
        # BEGIN GAME on the title, then OK on the options.
        xdotool mousemove --window "$2" 365 140 sleep 0.1 click 1 sleep 0.5 \
            mousemove --window "$2" 400 479 sleep 0.1 click 1
        ;;
    gnome-sudoku) xdotool mousemove --window "$2" 369 364 sleep 0.1 click 1 ;;
    esac
}

# One launch: prints "content rss_first rss_board threads_first threads_board cpu_first
# cpu_board".
launch() {
    local name="$1" line pid window content rss_first threads_first cpu_first
    line="$(start "$name" "$2")"
    read -r _ pid _ window _ _ _ _ content _ <<<"$line"
    sleep "$settle"
    rss_first="$(status "$pid" VmRSS)"
    threads_first="$(status "$pid" Threads)"
    xdotool mousemove --window "$window" 20 580
    cpu_first="$(idle_cpu "$pid")"
    to_board "$name" "$window"
    sleep "$settle"
    xdotool mousemove --window "$window" 20 580
    echo "$content $rss_first $(status "$pid" VmRSS) $threads_first $(status "$pid" Threads)" \
        "$cpu_first $(idle_cpu "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

names=()
programs=()
add() { names+=("$1") && programs+=("$2"); }
[ -z "${BEFORE:-}" ] || add "korvel-sudoku-before" "$BEFORE/bin/korvel-sudoku"
add korvel-sudoku "$bin/korvel-sudoku"
add korvel-barewindow "$bin/korvel-barewindow"
[ -x "$peer" ] && add gnome-sudoku "$peer"

declare -A results
for i in "${!names[@]}"; do launch "${names[$i]}" "${programs[$i]}" >/dev/null; done
for run in $(seq "$runs"); do
    # Each round starts with the next program, so none is always measured first.
    for step in "${!names[@]}"; do
        i=$(((step + run) % ${#names[@]}))
        results["${names[$i]} $run"]="$(launch "${names[$i]}" "${programs[$i]}")"
    done
done

# One column of a program's runs, one per line.
column() {
    for run in $(seq "$runs"); do awk -v c="$2" '{ print $c }' <<<"${results["$1 $run"]}"; done
}
median() {
    sort -g | awk '{ v[NR] = $1 } END { printf "%.2f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# min–max of one column, with the median.
spread() {
    sort -g | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%s–%s (median %s)", v[1], v[NR], m }'
}
# The game's figure over another program's, round by round: their median.
ratio() {
    paste <(column korvel-sudoku "$2") <(column "$1" "$2") |
        awk '$2 > 0 { print $1 / $2 }' | median
}

echo "$(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), Xvfb $display," \
    "$runs rounds, sound server: ${PULSE_SERVER:-none}, GSK_RENDERER=$GSK_RENDERER" \
    "$([ -x "$peer" ] && dpkg-query -W -f='gnome-sudoku ${Version}' gnome-sudoku 2>/dev/null)"
echo
echo "| program | first content, ms | RSS first screen / board (largest) | idle CPU % first screen / board | threads |"
echo "|---|---|---|---|---|"
for name in "${names[@]}"; do
    printf '| %s | %s | %s / %s MiB | %s / %s | %s / %s |\n' "$name" "$(column "$name" 1 | spread)" \
        "$(mib "$(column "$name" 2 | sort -n | tail -1)")" \
        "$(mib "$(column "$name" 3 | sort -n | tail -1)")" \
        "$(column "$name" 6 | spread)" "$(column "$name" 7 | spread)" \
        "$(column "$name" 4 | sort -n | tail -1)" "$(column "$name" 5 | sort -n | tail -1)"
done
echo
echo "| korvel-sudoku over | first content | RSS on the board | idle CPU, first screen | idle CPU, board |"
echo "|---|---|---|---|---|"
for name in "${names[@]}"; do
    [ "$name" = korvel-sudoku ] && continue
    echo "| $name | $(ratio "$name" 1) | $(ratio "$name" 3) | $(ratio "$name" 6) | $(ratio "$name" 7) |"
done
