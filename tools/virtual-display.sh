# Sourced by scripts that need an X display of their own: starts Xvfb on a
# free display number with openbox as window manager, and stops both again.
# Sets DISPLAY for the caller.

start_virtual_display() {
    local size=${1:-1024x768x24}
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fd_file" 2>/dev/null &
    VIRTUAL_DISPLAY_XVFB=$!
    for _ in $(seq 100); do
        [ -s "$fd_file" ] && break
        sleep 0.05
    done
    DISPLAY=":$(head -n1 "$fd_file")"
    export DISPLAY
    rm -f "$fd_file"
    openbox >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_WM=$!
    # openbox is ready once it has claimed the screen.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    echo "openbox did not start on $DISPLAY" >&2
    return 1
}

stop_virtual_display() {
    kill "${VIRTUAL_DISPLAY_WM:-}" "${VIRTUAL_DISPLAY_XVFB:-}" 2>/dev/null || true
    wait "${VIRTUAL_DISPLAY_WM:-}" "${VIRTUAL_DISPLAY_XVFB:-}" 2>/dev/null || true
}
