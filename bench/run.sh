#!/usr/bin/env bash
# Start-up benchmark, run by hand: builds (Release) Velkor, the census program and the floor;
# takes the census of CreateForms()'s window (the count of each Qt widget class, all and
# visible at the first paint); then times process start to first paint and reads the peak
# memory of Velkor and of the floor, which builds exactly the widgets of that census with no
# logic. The two alternate, in turn first of their pair; the script prints the medians with
# their min-max, and the median of the paired ratios.
#   bench/run.sh [pairs]        (default 31 measured pairs, after 3 warm-up pairs)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
build=${VELKOR_BENCH_BUILD:-$here/../build-bench}
if [ "${1:-}" = --measure ]; then # inside the display server: the runs themselves
    mode=measure
    runs=$2
else
    mode=main
    runs=${1:-31}
fi

measure_runs() { # prints the census, then "program key=value ..." lines of each run
    # The manual in the current folder, where the program finds it first: the start-up
    # measured is the one a user sees.
    cd "$(mktemp -d)"
    cp "$here/../resources/VELKOR_DOC.RTF" .
    "$build/census" census.txt 2>/dev/null
    echo "census $(awk '{a += $2; v += $3} END {print a, v}' census.txt)"
    echo "floorcensus $("$build/startup_floor" "$EPOCHREALTIME" census.txt 2>&1 >/dev/null |
        sed -n 's/^floor census: //p')"
    velkor() { echo "velkor $("$build/startup_velkor" "$EPOCHREALTIME" | tr '\n' ' ')"; }
    floor() { echo "floor $("$build/startup_floor" "$EPOCHREALTIME" census.txt 2>/dev/null)"; }
    for ((i = 0; i < 3; i++)); do # warm-up
        velkor >/dev/null
        floor >/dev/null
    done
    for ((i = 0; i < runs; i++)); do
        if ((i % 2)); then
            floor
            velkor
        else
            velkor
            floor
        fi
    done
}
if [ "$mode" = measure ]; then
    measure_runs
    exit 0
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target startup_velkor startup_floor census >/dev/null

if [ -z "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
    results=$(VELKOR_BENCH_BUILD=$build xvfb-run -a -s "-screen 0 1024x768x24" "$0" --measure "$runs")
else
    results=$(measure_runs)
fi

# "median (min-max)" of the numbers on standard input, each divided by $1.
stats() {
    sort -g | awk -v d="$1" '{a[NR] = $1 / d}
        END {m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
             printf "%.2f (%.2f-%.2f)", m, a[1], a[NR]}'
}
value() { grep "^$1 " <<<"$results" | sed -n "s/.* $2=\([0-9]*\).*/\1/p"; }
echo "census of CreateForms(): $(grep '^census' <<<"$results" | cut -d' ' -f2-3 |
    awk '{print $1 " widgets, " $2 " visible at the first paint"}')"
echo "floor's own census: $(grep '^floorcensus' <<<"$results" | cut -d' ' -f2-)"
echo "pairs: $runs"
echo "first paint ms, median (min-max): velkor $(value velkor paint_us | stats 1000)," \
    "floor $(value floor paint_us | stats 1000)"
# The ratio of each Velkor run to the floor run of its pair: slow spells of a shared machine
# touch both runs of a pair, so this moves less than the ratio of the two medians.
echo "paired ratio velkor/floor: $(paste <(value velkor paint_us) <(value floor paint_us) |
    awk '{print $1 / $2}' | stats 1) (target <= 1.00)"
echo "peak memory MB at the first paint: velkor $(value velkor peak_kb | stats 1024)," \
    "floor $(value floor peak_kb | stats 1024)"
echo "paired memory difference MB velkor-floor: $(paste <(value velkor peak_kb) \
    <(value floor peak_kb) | awk '{print ($1 - $2)}' | stats 1024) (target <= 3)"
echo "velkor complete (all pages and report forms built), ms: $(value velkor complete_us |
    stats 1000); peak memory MB $(value velkor complete_peak_kb | stats 1024)"
