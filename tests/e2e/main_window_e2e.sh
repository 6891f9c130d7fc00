#!/usr/bin/env bash
# End to end: the real executable on Xvfb with openbox, driven like a person
# would with xdotool. Finds the window, checks size, centring and that it is
# undecorated, computes 12 + 3 on the keypads, reads the result back through
# the clipboard, drags the window, opens the Help and About windows beside
# it, switches the About window to Chinese, closes and reopens it, and quits
# with the exit label.
set -euo pipefail

executable=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program and the window manager answer asynchronously: a check is
# retried for up to three seconds before it counts as failed.
eventually() {
    for _ in $(seq 30); do
        "$@" 2>/dev/null && return 0
        sleep 0.1
    done
    "$@"
}

start_virtual_display 1024x768x24
app=
work=$(mktemp -d)
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

find_window() { timeout 15 xdotool search --sync --onlyvisible --name "$1" | head -n1; }
geometry() { xdotool getwindowgeometry --shell "$1"; }
# Sets X, Y, WIDTH and HEIGHT of a window.
read_geometry() { eval "$(geometry "$1")"; }

# Clicks at a pixel position in a window (the main window unless named).
click_at() {
    xdotool mousemove --window "${3:-$win}" "$1" "$2" click 1
    sleep 0.15
}

# Presses on a window's title strip and moves the pointer by dx, dy.
drag_by() {
    local window=$1 dx=$2 dy=$3
    xdotool mousemove --window "$window" 100 16 mousedown 1
    for _ in 1 2 3 4 5; do
        xdotool mousemove_relative -- $((dx / 5)) $((dy / 5))
        sleep 0.05
    done
    xdotool mouseup 1
}

window_at() { read_geometry "$1"; [ "$X" = "$2" ] && [ "$Y" = "$3" ]; }
window_moved_from() { read_geometry "$1"; [ "$X" != "$2" ] || [ "$Y" != "$3" ]; }
undecorated() { xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0'; }
clipboard_is() { [ "$(timeout 2 xclip -o -selection clipboard)" = "$1" ]; }
hidden() { ! xdotool search --onlyvisible --name "$1" >/dev/null; }

# The warning paragraph of the About window, as a picture.
warning_picture() { import -window "$about" -crop 236x78+0+273 +repage "$1"; }
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
warning_is() { warning_picture "$work/now.png" && same_picture "$work/now.png" "$1"; }

"$executable" 2>/dev/null &
app=$!
win=$(find_window '^Velkorn Calculator$')
[ -n "$win" ] || fail "no window titled Velkorn Calculator"

centre_x=$(((1024 - 298) / 2))
centre_y=$(((768 - 357) / 2))
eventually window_at "$win" "$centre_x" "$centre_y" || fail "window is not centred"
[ "$WIDTH" = 298 ] && [ "$HEIGHT" = 357 ] || fail "window is ${WIDTH}x${HEIGHT}, not 298x357"
eventually undecorated "$win" || fail "window has a frame"
echo "ok: ${WIDTH}x${HEIGHT} at $X,$Y, undecorated"

# Picture buttons by their pixel positions: the centre of each 32 x 32 face.
click_at 24 168  # Image1: 1 into Input 1
click_at 64 168  # Image2: 2 into Input 1
click_at 104 208 # Image13: 3 into Input 2
click_at 196 168 # Image21: plus
# Select the result box's text and copy it.
click_at 224 108
xdotool key --window "$win" ctrl+a ctrl+c
eventually clipboard_is 15 || fail "12 + 3 shows '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: 12 + 3 = 15"

drag_by "$win" 60 40
eventually window_moved_from "$win" "$centre_x" "$centre_y" || fail "window did not move when dragged"
echo "ok: dragged from $centre_x,$centre_y to $X,$Y"
drag_by "$win" -60 -40
eventually window_at "$win" "$centre_x" "$centre_y" || fail "window did not come back"

# Help (H) and About (A), each dragged beside the main window.
click_at 236 272
help=$(find_window '^Help')
[ -n "$help" ] || fail "no Help window"
eventually window_at "$help" $(((1024 - 300) / 2)) $(((768 - 355) / 2)) || fail "Help not centred"
drag_by "$help" -320 0
eventually window_moved_from "$help" $(((1024 - 300) / 2)) $(((768 - 355) / 2)) ||
    fail "Help window did not move"
click_at 196 272
about=$(find_window '^About')
[ -n "$about" ] || fail "no About window"
eventually window_at "$about" $(((1024 - 300) / 2)) $(((768 - 358) / 2)) || fail "About not centred"
[ "$WIDTH" = 300 ] && [ "$HEIGHT" = 358 ] || fail "About window is ${WIDTH}x${HEIGHT}"
drag_by "$about" 320 0
eventually window_moved_from "$about" $(((1024 - 300) / 2)) $(((768 - 358) / 2)) ||
    fail "About window did not move"
about_x=$X
about_y=$Y
echo "ok: Help and About open beside the main window"

warning_picture "$work/english.png"
click_at 268 328 "$about" # "Chinese"
eventually eval '! warning_is "$work/english.png"' || fail "Chinese did not replace the warning"
warning_picture "$work/chinese.png"
click_at 288 16 "$about" # "X"
eventually hidden '^About' || fail "X did not hide the About window"
click_at 196 272
find_window '^About' >/dev/null || fail "About window did not come back"
eventually window_at "$about" "$about_x" "$about_y" ||
    fail "About window came back at $X,$Y, not $about_x,$about_y"
eventually warning_is "$work/chinese.png" || fail "About window lost its language"
echo "ok: About keeps Chinese and its place after closing"

# The exit label ends the program.
click_at 280 16
for _ in $(seq 50); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then
    fail "program still running after a click on the exit label"
fi
wait "$app" || fail "program exited with an error"
app=
echo "ok: exit label ended the program"
