#!/usr/bin/env bash
# Measures the calculator beside xcalc and galculator, the same way and in
# the same run, on Xvfb with openbox: start-up until the main window is
# mapped, resident memory one second later, CPU time over 10 idle seconds;
# then the in-process costs of a click and a clock tick. Prints medians with
# the range over the runs, our ratios to the others, and the budgets.
set -euo pipefail

build=$1
runs=${RUNS:-5}
idle=${IDLE_SECONDS:-10}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tools/virtual-display.sh"

probe=$build/bench/velkorn-startprobe
declare -A command=(
    [velkorn]=$build/app/velkorn-calculator
    [xcalc]=xcalc
    [galculator]=galculator
    [qt-floor]=$build/bench/velkorn-qtfloor
)
programs=(velkorn xcalc galculator qt-floor)
# BASELINE=path/to/an/older/velkorn-calculator measures it beside the rest,
# to compare two builds in one run.
if [ -n "${BASELINE:-}" ]; then
    command[baseline]=$BASELINE
    programs+=(baseline)
fi

work=$(mktemp -d)
start_virtual_display 1024x768x24
trap 'stop_virtual_display; rm -rf "$work"' EXIT

echo "Machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg); $runs runs of each, interleaved, ${idle}s idle"
for run in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        # Each program lands on a quiet display: wait for the last one's exit.
        "$probe" "$idle" ${command[$program]} 2>/dev/null >>"$work/$program"
        sleep 0.5
    done
    echo "  run $run of $runs done"
done

# median and range of column $2 of file $1, scaled by $3
stat() {
    sort -n -k"$2" "$1" | awk -v c="$2" -v s="$3" '
        { v[NR] = $c * s }
        END {
            m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.1f %.1f %.1f", m, v[1], v[NR]
        }'
}

printf '\n%-11s %24s %24s %26s\n' program "start-up to map (ms)" "resident memory (MiB)" "idle CPU (ms per ${idle}s)"
declare -A median
for program in "${programs[@]}"; do
    read -r s smin smax <<<"$(stat "$work/$program" 1 1)"
    read -r m mmin mmax <<<"$(stat "$work/$program" 2 0.0009765625)"
    read -r c cmin cmax <<<"$(stat "$work/$program" 3 1)"
    median[$program-start]=$s
    median[$program-rss]=$m
    median[$program-cpu]=$c
    printf '%-11s %8s (%6s-%6s) %8s (%5s-%5s) %10s (%5s-%5s)\n' \
        "$program" "$s" "$smin" "$smax" "$m" "$mmin" "$mmax" "$c" "$cmin" "$cmax"
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
within() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= b) }' && echo met || echo MISSED; }

startup_ratio=$(ratio "${median[velkorn-start]}" "${median[xcalc-start]}")
memory_ratio=$(ratio "${median[velkorn-rss]}" "${median[galculator-rss]}")
floor_ratio=$(ratio "${median[qt-floor-start]}" "${median[xcalc-start]}")
cpu_per_10s=$(awk -v c="${median[velkorn-cpu]}" -v s="$idle" 'BEGIN { printf "%.1f", c * 10 / s }')

echo
echo "Ratios (medians of this run):"
echo "  start-up, ours / xcalc:          $startup_ratio   (an empty Qt window / xcalc: $floor_ratio)"
echo "  start-up, ours / galculator:     $(ratio "${median[velkorn-start]}" "${median[galculator-start]}")"
echo "  memory, ours / galculator:       $memory_ratio"
echo "  memory, ours / xcalc:            $(ratio "${median[velkorn-rss]}" "${median[xcalc-rss]}")"

echo
echo "In-process, median of 9 (Qt Test QBENCHMARK, offscreen):"
QT_QPA_PLATFORM=offscreen "$build/bench/velkorn-form1-benchmark" -median 9 2>/dev/null |
    awk '/^RESULT/ { sub(/.*::/, ""); sub(/\(\):/, ""); name = $0 }
         /msecs per iteration/ { printf "  %-20s %s ms\n", name, $1; value[name] = $1 }
         END { printf "%s %s\n", value["clickDigitAndClear"] / 2, value["clockTick"] > "'"$work/inprocess"'" }'
read -r click tick <"$work/inprocess"
echo "  one click: $click ms, one tick: $tick ms"

echo
echo "Budgets:"
echo "  start-up to map <= 0.8 x xcalc:     $startup_ratio  $(within "$startup_ratio" 0.8)"
echo "  resident memory <= galculator:      $memory_ratio  $(within "$memory_ratio" 1.0)"
echo "  idle CPU <= 20 ms per 10 s:         $cpu_per_10s  $(within "$cpu_per_10s" 20)"
echo "  one click < 0.2 ms (median):        $click  $(within "$click" 0.2)"
