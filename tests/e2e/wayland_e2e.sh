#!/usr/bin/env bash
# The program on Wayland: weston's headless back end with its desktop shell,
# the program on Qt's Wayland platform, and weston's own screenshots. The
# main window must appear frameless, 298 x 357, with the red title strip
# along its top and a key face in place. Where the window goes is the
# compositor's decision on Wayland, so its position is not checked.
set -euo pipefail

executable=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh" # wait_for, stop_process
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
weston=
app=
cleanup() {
    stop_process "$app"
    stop_process "$weston"
    rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=velkorn-test
# --debug lets weston-screenshooter take pictures.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --debug \
    --width=1024 --height=768 >"$work/weston.log" 2>&1 &
weston=$!
wait_for 30 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
    { cat "$work/weston.log" >&2; fail "weston did not start within 30 s"; }

# The protocol log shows the window's title, geometry and buffers.
WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$executable" 2>"$work/app.log" &
app=$!

mkdir "$work/shots"
# Takes a screenshot and looks for the card in it.
card_shown() {
    kill -0 "$app" || { cat "$work/app.log" >&2; fail "the program ended"; }
    rm -f "$work"/shots/*
    (cd "$work/shots" && timeout 10 weston-screenshooter) || return 1
    local shot
    shot=$(ls "$work"/shots/*.png | head -n1)
    card=$(timeout 20 convert "$shot" -depth 8 rgb:- |
        /usr/bin/python3 "$here/find_card.py" $(identify -format '%w %h' "$shot"))
    cp "$shot" "$work/last.png"
    # The window is drawn once its clock has ticked (its first frame can
    # come before the pictures, and a shot can catch a frame half drawn).
    [ "${card#* * }" = "298 357 33 face" ]
}
wait_for 30 card_shown ||
    fail "no 298x357 card with a 33-pixel title strip and a key face (last seen: left top width height strip: '${card:-}')"
read -r left top width height strip face <<<"$card"
# A frame drawn by Qt would make the window and its buffers larger.
grep -q 'xdg_toplevel@[0-9]*\.set_title("Velkorn Calculator")' "$work/app.log" ||
    fail "the window's title is not \"Velkorn Calculator\""
grep -q 'xdg_surface@[0-9]*\.set_window_geometry(0, 0, 298, 357)' "$work/app.log" ||
    fail "the window's geometry is not 298x357: $(grep -m1 set_window_geometry "$work/app.log")"
! grep 'create_buffer' "$work/app.log" | grep -v ', 0, 298, 357, ' | grep -q . ||
    fail "a buffer of another size than 298x357: $(grep create_buffer "$work/app.log" | head -n3)"
mkdir -p "${VELKORN_SCREENSHOTS:-$work}"
cp "$work/last.png" "${VELKORN_SCREENSHOTS:-$work}/wayland-main-window.png"
echo "ok: frameless 298x357 card at $left,$top with a 33-pixel title strip and a key face"
echo "screenshot: ${VELKORN_SCREENSHOTS:-$work}/wayland-main-window.png"
