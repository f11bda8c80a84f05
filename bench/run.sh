#!/usr/bin/env bash
# Start-up benchmark, run by hand: builds (Release) the Velkor window and a plain Qt floor with
# as many QLineEdit/QLabel pairs in four tabs, then times process start to first paint and
# reads the peak memory of each, alternating the two, and prints the medians.
#   bench/run.sh [runs]        (default 15 measured runs each, after 3 warm-up runs)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${VELKOR_BENCH_BUILD:-$here/../build-bench}
if [ "${1:-}" = --measure ]; then # inside the display server: the runs themselves
    mode=measure
    runs=$2
else
    mode=main
    runs=${1:-15}
fi

measure_runs() { # prints the measured runs as "program paint_us=... peak_kb=..." lines
    # The manual in the current folder, where the program finds it first: the start-up
    # measured is the one a user sees, manual loaded.
    cd "$(mktemp -d)"
    cp "$here/../resources/VELKOR_DOC.RTF" .
    local fields
    fields=$("$build/startup_velkor" "$EPOCHREALTIME" | sed -n 's/^fields=//p')
    for ((i = 0; i < 3; i++)); do # warm-up
        "$build/startup_velkor" "$EPOCHREALTIME" >/dev/null
        "$build/startup_floor" "$EPOCHREALTIME" "$fields" >/dev/null
    done
    for ((i = 0; i < runs; i++)); do
        echo "velkor $("$build/startup_velkor" "$EPOCHREALTIME" | grep paint_us)"
        echo "floor $("$build/startup_floor" "$EPOCHREALTIME" "$fields" | grep paint_us)"
    done
    echo "fields $fields"
}
if [ "$mode" = measure ]; then
    measure_runs
    exit 0
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target startup_velkor startup_floor >/dev/null


if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    results=$(VELKOR_BENCH_BUILD=$build xvfb-run -a -s "-screen 0 1024x768x24" "$0" --measure "$runs")
else
    results=$(measure_runs)
fi

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
value() { grep "^$1 " <<<"$results" | sed -n "s/.*$2=\([0-9]*\).*/\1/p"; }
v_ms=$(value velkor paint_us | median | awk '{printf "%.1f", $1/1000}')
f_ms=$(value floor paint_us | median | awk '{printf "%.1f", $1/1000}')
v_mb=$(value velkor peak_kb | median | awk '{printf "%.1f", $1/1024}')
f_mb=$(value floor peak_kb | median | awk '{printf "%.1f", $1/1024}')
# The ratio of each velkor run to the floor run beside it: slow spells of a shared machine
# touch both runs of a pair, so this median moves less than the ratio of the two medians.
pair_ratio=$(paste <(value velkor paint_us) <(value floor paint_us) | awk '{print $1/$2}' | median)
echo "fields per window: $(grep '^fields' <<<"$results" | cut -d' ' -f2); runs: $runs each"
echo "first paint (median): velkor $v_ms ms, floor $f_ms ms, ratio $(awk "BEGIN{printf \"%.2f\", $v_ms/$f_ms}") (target <= 1.20); median of paired ratios $(awk "BEGIN{printf \"%.2f\", $pair_ratio}")"
echo "peak memory (median): velkor $v_mb MB, floor $f_mb MB, difference $(awk "BEGIN{printf \"%.1f\", $v_mb-$f_mb}") MB (target <= 10)"
