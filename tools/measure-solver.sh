#!/usr/bin/env bash
# Times `korvel-puzzles --solve` against `qqwing --solve` (Debian package qqwing, an
# unrelated open-source solver) on qqwing's own "expert" puzzles. Each program also runs on
# empty input, to take away its start-up; the four runs take turns RUNS times, so a machine
# that slows down part way weighs on all of them alike. Prints the medians of the CPU time
# (user + system) and of the wall time, and checks that both give the same solutions.
# Making the puzzles takes qqwing several minutes: PUZZLES=FILE keeps them in FILE (made
# there when it does not exist) for the next run.
# Usage: tools/measure-solver.sh [BUILD_DIR]   (COUNT=10000 RUNS=11 PUZZLES= by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
korvel="${1:-$root/build}/bin/korvel-puzzles"
count="${COUNT:-10000}"
runs="${RUNS:-11}"
[ -x "$korvel" ] || { echo "missing $korvel: build it first" >&2; exit 1; }
command -v qqwing >/dev/null || { echo "qqwing is missing: apt-get install qqwing" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
puzzles="${PUZZLES:-$work/expert.txt}"
if [ ! -s "$puzzles" ]; then
    echo "making $count expert puzzles with qqwing ..." >&2
    qqwing --generate "$count" --difficulty expert --one-line | tr . 0 >"$puzzles"
fi
lines="$(wc -l <"$puzzles")"

"$korvel" --solve <"$puzzles" >"$work/korvel.txt"
qqwing --solve --one-line <"$puzzles" | grep -v '^$' >"$work/qqwing.txt" || true
if ! cmp -s "$work/korvel.txt" "$work/qqwing.txt"; then
    echo "the two programs' solutions differ" >&2
    exit 1
fi

# Milliseconds of CPU (user + system) and of wall time of one run: "cpu wall".
timed() {
    local input="$1" real user sys
    shift
    read -r real user sys < <({
        TIMEFORMAT='%3R %3U %3S'
        time "$@" <"$input" >/dev/null 2>&1
    } 2>&1)
    awk -v r="$real" -v u="$user" -v s="$sys" 'BEGIN { printf "%.1f %.1f\n", (u + s) * 1000, r * 1000 }'
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

: >"$work/times"
for run in $(seq "$runs"); do
    echo "run $run of $runs" >&2
    echo "korvel full $(timed "$puzzles" "$korvel" --solve)" >>"$work/times"
    echo "korvel empty $(timed /dev/null "$korvel" --solve)" >>"$work/times"
    echo "qqwing full $(timed "$puzzles" qqwing --solve --one-line)" >>"$work/times"
    echo "qqwing empty $(timed /dev/null qqwing --solve --one-line)" >>"$work/times"
done

# figure PROGRAM COLUMN (3 CPU, 4 wall): median of the full runs less median of the empty.
net() {
    local full empty
    full="$(awk -v p="$1" -v c="$2" '$1 == p && $2 == "full" { print $c }' "$work/times" | median)"
    empty="$(awk -v p="$1" -v c="$2" '$1 == p && $2 == "empty" { print $c }' "$work/times" | median)"
    awk -v f="$full" -v e="$empty" 'BEGIN { printf "%.1f", f - e }'
}

echo "$lines qqwing expert puzzles, $runs runs each, medians in ms (start-up on empty input taken away)"
printf "%-8s %12s %12s %18s\n" "" "CPU" "wall" "per puzzle (CPU)"
for program in korvel qqwing; do
    cpu="$(net "$program" 3)"
    wall="$(net "$program" 4)"
    per="$(awk -v c="$cpu" -v n="$lines" 'BEGIN { printf "%.1f us", c * 1000 / n }')"
    printf "%-8s %12s %12s %18s\n" "$program" "$cpu" "$wall" "$per"
done
awk -v k="$(net korvel 3)" -v q="$(net qqwing 3)" -v kw="$(net korvel 4)" -v qw="$(net qqwing 4)" \
    'BEGIN { printf "korvel is %.1f times as fast as qqwing in CPU time, %.1f in wall time\n", q / k, qw / kw }'
