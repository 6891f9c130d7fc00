#!/usr/bin/env bash
# Measures the calculator beside its floors, the same way and in the same
# run, on Xvfb with openbox under a session bus, as a desktop runs it:
# start-up until the main window is mapped, resident memory one second
# later, CPU time over the idle seconds that follow. Each program runs RUNS
# times, interleaved with the others; the bench prints medians with the
# range over the runs, the ratios to the floors and the budgets.
#
#   bench/run.sh LINUX_BUILD
#   WINDOWS_PROGRAM=… WINDOWS_FLOOR=…   also the Windows program under Wine
#   BASELINE=…, WINDOWS_BASELINE=…       an older build of either, beside
set -euo pipefail

# A desktop has its session bus running: Qt's accessibility bridge asks it
# at start-up, and without one libdbus would launch a bus of its own and
# wait for it.
if [ -z "${VELKORN_BENCH_BUS:-}" ]; then
    # (the bus's notes on its own start are not the bench's)
    exec env VELKORN_BENCH_BUS=1 dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi
# The accessibility bus's launcher, which a desktop starts with the session.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null

build=$1
runs=${RUNS:-9}
idle=${IDLE_SECONDS:-10}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tools/virtual-display.sh"

probe=$build/bench/velkorn-startprobe
declare -A command=(
    [linux]=$build/qt/app/velkorn-calculator
    [linux-box]="$build/bench/velkorn-qtfloor"
    [linux-clock]="$build/bench/velkorn-qtfloor clock"
)
programs=(linux linux-box linux-clock)
if [ -n "${BASELINE:-}" ]; then
    command[linux-before]=$BASELINE
    programs+=(linux-before)
fi

work=$(mktemp -d)
# A session's own runtime folder, as a desktop gives every program.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
keeper=
cleanup() {
    [ -n "$keeper" ] && kill "$keeper" 2>/dev/null
    [ -n "${WINDOWS_PROGRAM:-}" ] && { timeout 20 wineserver -k 2>/dev/null || true; }
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display 1024x768x24
# The pointer out of every window's way: resting over a control, tool tips
# and hover tracking would count as idle work.
xdotool mousemove 0 0

# The Windows program and its floors under Wine (linked under names
# without spaces, since commands are split on them).
if [ -n "${WINDOWS_PROGRAM:-}" ]; then
    . "$here/../tools/wine-prefix.sh"
    make_wine_prefix "$work/wineprefix"
    # One Wine server and one desktop process for the whole run: the desktop
    # process (explorer.exe) quits two seconds after the last Wine program
    # and the next window pays its restart, so a hidden program keeps it,
    # and every Windows program finds it running, as on Windows.
    wineserver -p
    ln -s "$(realpath "$WINDOWS_PROGRAM")" "$work/velkorn.exe"
    ln -s "$(realpath "$WINDOWS_FLOOR")" "$work/floor.exe"
    wine "$work/floor.exe" hidden &
    keeper=$!
    for _ in $(seq 300); do
        pgrep -f 'explorer.exe' >/dev/null && break
        sleep 0.1
    done
    pgrep -f 'explorer.exe' >/dev/null || { echo "Wine's desktop process did not start" >&2; exit 1; }
    command[windows]="wine $work/velkorn.exe"
    command[windows-bare]="wine $work/floor.exe bare"
    command[windows-pictures]="wine $work/floor.exe pictures"
    command[windows-clock]="wine $work/floor.exe clock"
    programs+=(windows windows-bare windows-pictures windows-clock)
    if [ -n "${WINDOWS_BASELINE:-}" ]; then
        ln -s "$(realpath "$WINDOWS_BASELINE")" "$work/before.exe"
        command[windows-before]="wine $work/before.exe"
        programs+=(windows-before)
    fi
fi

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

printf '\n%-17s %24s %24s %24s\n' program "start-up to map (ms)" "resident memory (MiB)" "idle CPU (ms per 10 s)"
declare -A median
for program in "${programs[@]}"; do
    read -r s smin smax <<<"$(stat "$work/$program" 1 1)"
    read -r m mmin mmax <<<"$(stat "$work/$program" 2 0.0009765625)"
    read -r c cmin cmax <<<"$(stat "$work/$program" 3 "$(awk -v i="$idle" 'BEGIN { print 10 / i }')")"
    median[$program-start]=$s
    median[$program-rss]=$m
    median[$program-cpu]=$c
    printf '%-17s %8s (%6s-%6s) %8s (%5s-%5s) %8s (%5s-%5s)\n' \
        "$program" "$s" "$smin" "$smax" "$m" "$mmin" "$mmax" "$c" "$cmin" "$cmax"
done

if [ -n "${RAW:-}" ]; then
    echo
    echo "Every run's start-up (ms), in order:"
    for program in "${programs[@]}"; do
        printf '  %-17s %s\n' "$program" "$(cut -d' ' -f1 "$work/$program" | paste -sd' ')"
    done
fi

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }
within() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= b) }' && echo met || echo MISSED; }
# budget DESCRIPTION VALUE LIMIT
budget() { printf '  %-58s %8s  <= %-8s %s\n' "$1" "$2" "$3" "$(within "$2" "$3")"; }

echo
echo "Ratios of medians:"
for program in "${programs[@]}"; do
    case $program in
    linux | linux-before) floors=(linux-box linux-clock) ;;
    windows | windows-before) floors=(windows-bare windows-pictures windows-clock) ;;
    *) continue ;;
    esac
    for floor in "${floors[@]}"; do
        printf '  %-15s / %-17s start-up %5s   idle %5s\n' "$program" "$floor" \
            "$(ratio "${median[$program-start]}" "${median[$floor-start]}")" \
            "$(ratio "${median[$program-cpu]}" "${median[$floor-cpu]}")"
    done
done

echo
echo "Budgets:"
budget "Linux start-up / the line-edit floor's" \
    "$(ratio "${median[linux-start]}" "${median[linux-box-start]}")" 1.1
budget "Linux idle CPU / the clock-and-box floor's" \
    "$(ratio "${median[linux-cpu]}" "${median[linux-clock-cpu]}")" 1.2
budget "Linux resident memory, MiB (the line-edit floor's + 3)" "${median[linux-rss]}" \
    "$(awk -v m="${median[linux-box-rss]}" 'BEGIN { printf "%.1f", m + 3 }')"
if [ -n "${WINDOWS_PROGRAM:-}" ]; then
    budget "Windows start-up / the bare window's (Wine, desktop kept)" \
        "$(ratio "${median[windows-start]}" "${median[windows-bare-start]}")" 1.4
    budget "Windows idle CPU / the clock-and-box floor's (Wine)" \
        "$(ratio "${median[windows-cpu]}" "${median[windows-clock-cpu]}")" 1.2
    budget "Windows .exe, MiB" \
        "$(awk -v b="$(wc -c <"$WINDOWS_PROGRAM")" 'BEGIN { printf "%.2f", b / 1048576 }')" 1.5
fi

echo
echo "In-process, median of 9 (Qt Test QBENCHMARK, offscreen):"
QT_QPA_PLATFORM=offscreen "$build/bench/velkorn-form1-benchmark" -median 9 2>/dev/null |
    awk '/^RESULT/ { sub(/.*::/, ""); sub(/\(\):/, ""); name = $0 }
         /msecs per iteration/ { printf "  %-20s %s ms\n", name, $1 }'
