# Sourced by scripts that need an X display of their own: starts Xvfb on a
# free display number with openbox as window manager, and stops both again.
# Sets DISPLAY for the caller. Every wait has a deadline sized for a busy
# two-core machine, fails at once with a message, and every process started
# here is stopped again by stop_virtual_display.

# Runs a command until it succeeds or the deadline (seconds) passes; the
# last try's status is returned. Polls every tenth of a second.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" 2>/dev/null; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            "$@"
            return
        fi
        sleep 0.1
    done
}

# Ends a process: asks, then forces it after five seconds.
stop_process() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    local deadline=$((SECONDS + 5))
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.05
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

window_manager_ready() {
    timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

start_virtual_display() {
    local size=${1:-1024x768x24}
    local fifo number fd
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # Opened for reading and writing, so that neither open blocks even if
    # Xvfb dies before it writes.
    exec {fd}<>"$fifo"
    # -noreset: a short-lived client (xprop) leaving before openbox connects
    # would otherwise reset the server under openbox.
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    VIRTUAL_DISPLAY_XVFB=$!
    # Removed only once read: Xvfb's shell may open it later than this one
    # goes on, and would then create a plain file of that name.
    local status=0
    read -r -t 30 -u "$fd" number || status=$?
    rm -f "$fifo"
    if [ "$status" != 0 ]; then
        exec {fd}<&-
        echo "Xvfb gave no display number within 30 s" >&2
        stop_virtual_display
        return 1
    fi
    exec {fd}<&-
    DISPLAY=":$number"
    export DISPLAY
    VIRTUAL_DISPLAY_WM_LOG=$(mktemp)
    openbox >/dev/null 2>"$VIRTUAL_DISPLAY_WM_LOG" &
    VIRTUAL_DISPLAY_WM=$!
    # openbox is ready once it has claimed the screen.
    local deadline=$((SECONDS + 60))
    until window_manager_ready 2>/dev/null; do
        if ! kill -0 "$VIRTUAL_DISPLAY_WM" 2>/dev/null; then
            echo "openbox exited on $DISPLAY: $(cat "$VIRTUAL_DISPLAY_WM_LOG")" >&2
            stop_virtual_display
            return 1
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            echo "openbox did not start on $DISPLAY within 60 s" >&2
            stop_virtual_display
            return 1
        fi
        sleep 0.1
    done
}

stop_virtual_display() {
    stop_process "${VIRTUAL_DISPLAY_WM:-}"
    stop_process "${VIRTUAL_DISPLAY_XVFB:-}"
    VIRTUAL_DISPLAY_WM=
    VIRTUAL_DISPLAY_XVFB=
    rm -f "${VIRTUAL_DISPLAY_WM_LOG:-}"
}
