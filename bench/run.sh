#!/usr/bin/env bash
# Measures the calculator beside its floors, the same way and in the same
# run, on Xvfb with openbox under a session bus, as a desktop runs it, and
# says of each budget whether it is met.
#
# Two batches, each of rounds in which every program of the batch runs
# once, in a rotating order (round r starts with the r-th program), after
# one warm-up run of each that is not counted:
#   start-up  the time until the first window is mapped (and the CPU time
#             used by then); the program is ended at the map;
#   idle      resident memory one second after the map, and the CPU time
#             used over the IDLE_SECONDS that follow.
# A program is compared with its floor round by round: the ratio of its run
# to the floor's run in the same round. The bench reports the median of
# those ratios with their interquartile range, and adds rounds until every
# ratio's median is known closely enough that another bench would agree
# with it within AGREEMENT (0.05), up to a cap in rounds and in minutes.
#
#   bench/run.sh LINUX_BUILD
#   WINDOWS_PROGRAM=… WINDOWS_FLOOR=…   also the Windows program under Wine
#   BASELINE=…, WINDOWS_BASELINE=…       an older build of either, beside
#   RUNS=N                               exactly N counted rounds a batch
#   BENCH_MINUTES=11 START_MINUTES=4     the caps in time: both batches
#                                        together, and the start-up batch
#                                        (IDLE_MINUTES=… caps idle alone)
#   PICTURES=1                           also the Win32 floor with pictures
#   RAW=1                                every run's figures, in order
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
idle=${IDLE_SECONDS:-5}
# How closely two benches' medians should agree, and the bounds on the
# rounds spent getting there: start-up runs take about a second, idle
# ones IDLE_SECONDS and two more.
agreement=${AGREEMENT:-0.05}
start_min_rounds=${RUNS:-15}
start_max_rounds=${RUNS:-200}
idle_min_rounds=${RUNS:-9}
idle_max_rounds=${RUNS:-60}
bench_minutes=${BENCH_MINUTES:-11}
start_minutes=${START_MINUTES:-4}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tools/virtual-display.sh"

# Every program meets the same environment. The calculator asks for X11
# images without shared memory when the user has not said otherwise; the
# floors are given the same, so that neither is measured on another path.
export QT_XCB_NO_MITSHM=1

probe=$build/bench/velkorn-startprobe
declare -A command=(
    [linux]=$build/qt/app/velkorn-calculator
    [linux-box]="$build/bench/velkorn-qtfloor"
    [linux-clock]="$build/bench/velkorn-qtfloor clock"
)
# Each program's floor, for the ratios.
declare -A start_floor=([linux]=linux-box)
declare -A idle_floor=([linux]=linux-clock)
start_programs=(linux linux-box)
idle_programs=(linux linux-clock)
if [ -n "${BASELINE:-}" ]; then
    command[linux-before]=$BASELINE
    start_floor[linux-before]=linux-box
    idle_floor[linux-before]=linux-clock
    start_programs+=(linux-before)
    idle_programs+=(linux-before)
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

# Wine desktop processes (explorer.exe) on the machine, as "PID PREFIX
# DISPLAY"; other sessions may have theirs.
wine_desktops() {
    local file pid environment
    for file in $(grep -lsa 'explorer\.exe' /proc/[0-9]*/cmdline); do
        pid=${file#/proc/}
        pid=${pid%/cmdline}
        environment=$(tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ") || continue
        printf '%s %s %s\n' "$pid" \
            "$(sed -n 's/^WINEPREFIX=//p' <<<"$environment")" \
            "$(sed -n 's/^DISPLAY=//p' <<<"$environment")"
    done
}

# The desktop process of this bench's own prefix on its own display.
own_desktop() {
    wine_desktops | awk -v prefix="$WINEPREFIX" -v display="$DISPLAY" \
        '$2 == prefix && $3 == display { print $1; exit }'
}

# Fails loudly unless the desktop process the bench waited for is still
# there: a new one would make the next program pay its start.
check_desktop() {
    if ! grep -qsa 'explorer\.exe' "/proc/$desktop/cmdline" ||
        ! tr '\0' '\n' 2>/dev/null <"/proc/$desktop/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
        echo "The bench's Wine desktop process ($desktop) is gone; Wine desktops now:" >&2
        wine_desktops | sed 's/^/  pid, prefix, display: /' >&2
        exit 1
    fi
}

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
    # Only this prefix's desktop on this display counts: another session's
    # Wine desktop is no sign that ours is up.
    desktop=
    for _ in $(seq 300); do
        desktop=$(own_desktop)
        [ -n "$desktop" ] && break
        sleep 0.1
    done
    if [ -z "$desktop" ]; then
        echo "The bench's own Wine desktop process (prefix $WINEPREFIX, display $DISPLAY)" \
            "did not start within 30 s; Wine desktops on the machine:" >&2
        wine_desktops | sed 's/^/  pid, prefix, display: /' >&2
        exit 1
    fi
    command[windows]="wine $work/velkorn.exe"
    command[windows-bare]="wine $work/floor.exe bare"
    command[windows-clock]="wine $work/floor.exe clock"
    start_floor[windows]=windows-bare
    idle_floor[windows]=windows-clock
    start_programs+=(windows windows-bare)
    idle_programs+=(windows windows-clock)
    if [ -n "${PICTURES:-}" ]; then
        command[windows-pictures]="wine $work/floor.exe pictures"
        start_programs+=(windows-pictures)
    fi
    if [ -n "${WINDOWS_BASELINE:-}" ]; then
        ln -s "$(realpath "$WINDOWS_BASELINE")" "$work/before.exe"
        command[windows-before]="wine $work/before.exe"
        start_floor[windows-before]=windows-bare
        idle_floor[windows-before]=windows-clock
        start_programs+=(windows-before)
        idle_programs+=(windows-before)
    fi
fi

# One run: "startup_ms startup_cpu_ms rss_kib idle_cpu_ms" appended to FILE.
measure() {
    local program=$1 seconds=$2 file=$3
    "$probe" "$seconds" ${command[$program]} 2>"$work/errors" >>"$file" ||
        { echo "$program: $(cat "$work/errors")" >&2; exit 1; }
    [[ $program == windows* ]] && check_desktop
    # Each program lands on a quiet display: the last one has exited.
    sleep 0.3
}

# paired FILE FLOOR_FILE COLUMN [difference]: the per-round ratios of a
# column (or, given "difference", the differences in MiB) as "median q1
# q3 rounds spread", where spread is how far another bench's median may
# fall from this one (twice the standard error of the difference of two
# medians, from the interquartile range, for 95 %).
paired() {
    paste -d' ' "$1" "$2" |
        awk -v c="$3" -v d="${4:-}" '{
                f = c + NF / 2
                if (d != "") print ($c - $f) / 1024
                else if ($f > 0) print $c / $f
            }' |
        sort -g |
        awk '{ v[NR] = $1 }
            function q(p,   h, l) {
                h = (NR - 1) * p + 1; l = int(h)
                return l >= NR ? v[NR] : v[l] + (h - l) * (v[l + 1] - v[l])
            }
            END {
                if (NR == 0) { print "- - - 0 -"; exit }
                iqr = q(0.75) - q(0.25)
                printf "%.3f %.3f %.3f %d %.3f\n", q(0.5), q(0.25), q(0.75), NR,
                    2 * sqrt(2) * 0.929 * iqr / sqrt(NR)
            }'
}

# Whether every ratio of a batch is known closely enough.
settled() {
    local batch=$1 column=$2
    local -n floors=$3
    local program
    for program in "${!floors[@]}"; do
        read -r _ _ _ _ spread <<<"$(paired "$work/$batch.$program" "$work/$batch.${floors[$program]}" "$column")"
        awk -v s="$spread" -v a="$agreement" 'BEGIN { exit !(s <= a) }' || return 1
    done
}

# batch NAME IDLE_SECONDS COLUMN FLOORS MIN_ROUNDS MAX_ROUNDS MINUTES PROGRAMS...
declare -A rounds_done stop_reason batch_seconds
batch() {
    local name=$1 seconds=$2 column=$3 floors=$4 min_rounds=$5 max_rounds=$6 minutes=$7
    shift 7
    local began=$SECONDS
    local programs=("$@") count=$#
    local deadline=$((SECONDS + minutes * 60))
    local program round=0 i
    echo "$name batch: ${programs[*]}; a warm-up run each, then rounds of one run each"
    for program in "${programs[@]}"; do
        measure "$program" "$seconds" "$work/warm-up"
        : >"$work/$name.$program"
    done
    stop_reason[$name]=${RUNS:+RUNS=$RUNS}
    stop_reason[$name]=${stop_reason[$name]:-rounds cap}
    while [ "$round" -lt "$max_rounds" ]; do
        for ((i = 0; i < count; i++)); do
            measure "${programs[(round + i) % count]}" "$seconds" "$work/$name.${programs[(round + i) % count]}"
        done
        round=$((round + 1))
        if [ -z "${RUNS:-}" ] && [ "$round" -ge "$min_rounds" ] && settled "$name" "$column" "$floors"; then
            stop_reason[$name]="settled"
            break
        fi
        if [ "$SECONDS" -ge "$deadline" ] && [ "$round" -ge "$min_rounds" ]; then
            stop_reason[$name]="time cap"
            break
        fi
        [ $((round % 5)) -eq 0 ] && echo "  $round rounds"
    done
    rounds_done[$name]=$round
    batch_seconds[$name]=$((SECONDS - began))
}

echo "Machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
batch start 0 1 start_floor "$start_min_rounds" "$start_max_rounds" "$start_minutes" \
    "${start_programs[@]}"
# Idle runs are the noisier and the longer: they have what start-up left.
idle_minutes=${IDLE_MINUTES:-$((bench_minutes - (batch_seconds[start] + 59) / 60))}
batch idle "$idle" 4 idle_floor "$idle_min_rounds" "$idle_max_rounds" "$idle_minutes" \
    "${idle_programs[@]}"
echo "Load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"

# median (q1-q3) of column $2 of file $1, scaled by $3; "-" when the
# program was not in that batch
cell() {
    [ -f "$1" ] || { echo -; return; }
    sort -g -k"$2" "$1" | awk -v c="$2" -v s="$3" '
        { v[NR] = $c * s }
        function q(p,   h, l) {
            h = (NR - 1) * p + 1; l = int(h)
            return l >= NR ? v[NR] : v[l] + (h - l) * (v[l + 1] - v[l])
        }
        END { printf "%.1f (%.1f-%.1f)", q(0.5), q(0.25), q(0.75) }'
}

echo
echo "Start-up batch: ${rounds_done[start]} rounds in ${batch_seconds[start]} s (${stop_reason[start]});" \
    "idle batch: ${rounds_done[idle]} rounds of ${idle} s in ${batch_seconds[idle]} s (${stop_reason[idle]})"
echo "Medians (interquartile range) over the rounds:"
printf '  %-15s %22s %22s %22s %22s\n' program "start-up to map, ms" "CPU to map, ms" \
    "resident memory, MiB" "idle CPU, ms per 10 s"
declare -A shown=()
for program in "${start_programs[@]}" "${idle_programs[@]}"; do
    [ -n "${shown[$program]:-}" ] && continue
    shown[$program]=1
    start=$(cell "$work/start.$program" 1 1)
    start_cpu=$(cell "$work/start.$program" 2 1)
    rss=$(cell "$work/idle.$program" 3 0.0009765625)
    cpu=$(cell "$work/idle.$program" 4 "$(awk -v i="$idle" 'BEGIN { print 10 / i }')")
    printf '  %-15s %22s %22s %22s %22s\n' "$program" "$start" "$start_cpu" "$rss" "$cpu"
done

if [ -n "${RAW:-}" ]; then
    echo
    echo "Every counted run, in order (start-up ms, CPU to map ms, resident KiB, idle CPU ms):"
    for file in "$work"/start.* "$work"/idle.*; do
        printf '  %-22s %s\n' "${file##*/}" "$(paste -sd'|' "$file")"
    done
fi

# verdict MEDIAN Q1 Q3 LIMIT: met when the whole interquartile range is
# within the limit, MISSED when it is wholly over, undecided otherwise.
verdict() {
    awk -v q1="$2" -v q3="$3" -v l="$4" 'BEGIN {
        if (q3 == "-") print "-"
        else if (q3 <= l) print "met"
        else if (q1 > l) print "MISSED"
        else print "undecided"
    }'
}
# budget DESCRIPTION LIMIT FILE FLOOR_FILE COLUMN [difference]
budget() {
    local description=$1 limit=$2
    shift 2
    read -r median q1 q3 n spread <<<"$(paired "$@")"
    printf '  %-50s %6s (%6s-%6s) ±%-6s <= %-5s %s\n' "$description" \
        "$(printf '%.2f' "$median")" "$(printf '%.2f' "$q1")" "$(printf '%.2f' "$q3")" \
        "$(printf '%.2f' "$spread")" "$limit" "$(verdict "$median" "$q1" "$q3" "$limit")"
}

echo
echo "Paired ratios, each run to its floor's in the same round: median (interquartile"
echo "range) ±how far another bench's median may fall, for 95 %:"
ratio_line() {
    local label=$1 what=$2
    shift 2
    read -r median q1 q3 _ spread <<<"$(paired "$@")"
    printf '  %-34s %-14s %6s (%s-%s) ±%s\n' "$label" "$what" "$median" "$q1" "$q3" "$spread"
}
for program in "${!start_floor[@]}"; do
    floor=${start_floor[$program]}
    ratio_line "$program / $floor" start-up "$work/start.$program" "$work/start.$floor" 1
    ratio_line "$program / $floor" "CPU to map" "$work/start.$program" "$work/start.$floor" 2
done
for program in "${!idle_floor[@]}"; do
    floor=${idle_floor[$program]}
    ratio_line "$program / $floor" idle "$work/idle.$program" "$work/idle.$floor" 4
done

echo
echo "Budgets (met: the interquartile range wholly within; MISSED: wholly over):"
budget "Linux start-up / the line-edit floor's" 1.1 "$work/start.linux" "$work/start.linux-box" 1
budget "Linux idle CPU / the clock floor's" 1.2 "$work/idle.linux" "$work/idle.linux-clock" 4
budget "Linux resident memory - the clock floor's, MiB" 3 \
    "$work/idle.linux" "$work/idle.linux-clock" 3 difference
if [ -n "${WINDOWS_PROGRAM:-}" ]; then
    budget "Windows start-up / the bare window's (Wine)" 1.3 \
        "$work/start.windows" "$work/start.windows-bare" 1
    budget "Windows idle CPU / the clock-and-box floor's (Wine)" 1.2 \
        "$work/idle.windows" "$work/idle.windows-clock" 4
    size=$(awk -v b="$(wc -c <"$WINDOWS_PROGRAM")" 'BEGIN { printf "%.2f", b / 1048576 }')
    printf '  %-50s %6s %25s %s\n' "Windows .exe, MiB" "$size" "<= 1.5" \
        "$(awk -v s="$size" 'BEGIN { print (s <= 1.5) ? "met" : "MISSED" }')"
fi

echo
echo "In-process, median of 9 (Qt Test QBENCHMARK, offscreen):"
QT_QPA_PLATFORM=offscreen "$build/bench/velkorn-form1-benchmark" -median 9 2>/dev/null |
    awk '/^RESULT/ { sub(/.*::/, ""); sub(/\(\):/, ""); name = $0 }
         /msecs per iteration/ { printf "  %-20s %s ms\n", name, $1 }'
