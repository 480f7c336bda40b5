#!/usr/bin/env bash
# Starts the game and a bare Qt window of the same size under one Xvfb, each once uncounted
# (to warm the caches as a desktop would) and then RUNS times, and prints side by side: the
# time from launch until the window is mapped and until it first shows content, resident
# memory on the title and on the board, the share of one core used while the pointer rests
# on the title and on the board, and the number of threads. BEFORE=DIR adds the game of
# another build (an earlier commit's) to the same run.
# With AUDIO=1 a private sound server with a null output stands in for a sound card, so
# the sound is opened and played as on a machine that has one.
# Usage: tools/measure-startup.sh [BUILD_DIR]   (RUNS=5 SETTLE=2 IDLE=5 AUDIO=0 by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="${1:-$root/build}/bin"
runs="${RUNS:-5}"
settle="${SETTLE:-2}"
idle="${IDLE:-5}"
for tool in korvel-sudoku korvel-barewindow korvel-firstframe; do
    [ -x "$bin/$tool" ] || { echo "missing $bin/$tool: build it first" >&2; exit 1; }
done

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
pulse=""
trap 'kill $xvfb $pulse 2>/dev/null; [ -z "${runtime:-}" ] || rm -rf "$runtime"' EXIT
export DISPLAY="$display"
if [ "${AUDIO:-0}" = 1 ]; then
    runtime="$(mktemp -d)"
    HOME="$runtime" pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --load=module-null-sink \
        --load="module-native-protocol-unix socket=$runtime/native auth-anonymous=1" \
        >/dev/null 2>&1 &
    pulse=$!
    export PULSE_SERVER="unix:$runtime/native"
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

# One launch: prints "mapped content rss_title rss_board threads_title threads_board
# cpu_title cpu_board".
launch() {
    local program="$1" line pid window mapped content rss_title threads_title cpu_title
    line="$("$bin/korvel-firstframe" "$program" 2>/dev/null)"
    read -r _ pid _ window _ mapped _ _ content _ <<<"$line"
    sleep "$settle"
    rss_title="$(status "$pid" VmRSS)"
    threads_title="$(status "$pid" Threads)"
    xdotool mousemove --window "$window" 20 580
    cpu_title="$(idle_cpu "$pid")"
    if [ "$(basename "$program")" = korvel-sudoku ]; then
        # BEGIN GAME on the title, then OK on the options: a new game on the board.
        xdotool mousemove --window "$window" 365 140 sleep 0.1 click 1 sleep 0.5 \
            mousemove --window "$window" 400 479 sleep 0.1 click 1
        sleep "$settle"
    fi
    xdotool mousemove --window "$window" 20 580
    echo "$mapped $content $rss_title $(status "$pid" VmRSS) $threads_title" \
        "$(status "$pid" Threads) $cpu_title $(idle_cpu "$pid")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# min–max of one column, with the median.
spread() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%s–%s (median %s)", v[1], v[NR], m }'
}

measure() {
    local label="$1" program="$2" results=()
    launch "$program" >/dev/null
    for _ in $(seq "$runs"); do results+=("$(launch "$program")"); done
    local column
    column() { printf '%s\n' "${results[@]}" | awk -v c="$1" '{ print $c }'; }
    printf '| %s | %s | %s | %s / %s MiB | %s / %s | %s / %s |\n' "$label" \
        "$(column 1 | spread)" "$(column 2 | spread)" \
        "$(mib "$(column 3 | sort -n | tail -1)")" "$(mib "$(column 4 | sort -n | tail -1)")" \
        "$(column 7 | spread)" "$(column 8 | spread)" \
        "$(column 5 | sort -n | tail -1)" "$(column 6 | sort -n | tail -1)"
}

echo "$(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), Xvfb $display, $runs runs each, sound server: ${PULSE_SERVER:-none}"
echo
echo "| program | window mapped, ms | first content, ms | RSS title / board (largest) | idle CPU % title / board | threads title / board |"
echo "|---|---|---|---|---|---|"
[ -z "${BEFORE:-}" ] || measure "korvel-sudoku before" "$BEFORE/bin/korvel-sudoku"
measure korvel-sudoku "$bin/korvel-sudoku"
measure korvel-barewindow "$bin/korvel-barewindow"
