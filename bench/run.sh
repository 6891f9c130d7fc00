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
    [velkorn]=$build/qt/app/velkorn-calculator
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
# The Windows program and a bare Win32 window, both under Wine (linked
# under names without spaces, since commands are split on them).
if [ -n "${WINDOWS_PROGRAM:-}" ]; then
    . "$here/../tools/wine-prefix.sh"
    make_wine_prefix "$work/wineprefix"
    # One Wine server for the whole run: else it quits between the rounds,
    # and whichever Windows program came first would pay its start.
    wineserver -p
    ln -s "$(realpath "$WINDOWS_PROGRAM")" "$work/velkorn.exe"
    ln -s "$(realpath "$WINDOWS_FLOOR")" "$work/floor.exe"
    command[win32]="wine $work/velkorn.exe"
    command[win32-floor]="wine $work/floor.exe"
    programs+=(win32 win32-floor)
fi
start_virtual_display 1024x768x24
trap 'timeout 20 wineserver -k 2>/dev/null || true; stop_virtual_display; rm -rf "$work"' EXIT
# The pointer out of every window's way: resting over a control, tool tips
# and hover tracking would count as idle work.
xdotool mousemove 0 0

echo "Machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg); $runs runs of each, interleaved, ${idle}s idle"
for run in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        # Each program lands on a quiet display: wait for the last one's exit.
        "$probe" "$idle" ${command[$program]} 2>"$work/errors" >>"$work/$program" ||
            { echo "$program: $(cat "$work/errors")" >&2; exit 1; }
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

if [ -n "${WINDOWS_PROGRAM:-}" ]; then
    win32_start=$(ratio "${median[win32-start]}" "${median[win32-floor-start]}")
    win32_cpu=$(awk -v a="${median[win32-cpu]}" -v b="${median[win32-floor-cpu]}" \
        'BEGIN { printf "%.1f ms against %.1f ms", a, b }')
    echo "  Windows program / bare Win32 window under Wine, start-up: $win32_start (budget 1.2: $(within "$win32_start" 1.2))"
    echo "  Windows program / bare Win32 window under Wine, idle CPU per ${idle}s: $win32_cpu"
    size=$(wc -c <"$WINDOWS_PROGRAM")
    echo "  Windows program's size: $size bytes (budget 1.5 MiB: $(within "$size" 1572864))"
fi

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
