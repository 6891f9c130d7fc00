#!/usr/bin/env bash
# End to end: the real executable on Xvfb with openbox, driven like a person
# would with xdotool. Finds the window, checks size, centring and that it is
# undecorated, computes 12 + 3 on the keypads, reads the result back through
# the clipboard, drags the window and quits with the exit label.
set -euo pipefail

executable=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

start_virtual_display 1024x768x24
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    stop_virtual_display
}
trap cleanup EXIT

"$executable" 2>/dev/null &
app=$!
win=$(timeout 15 xdotool search --sync --onlyvisible --name '^Velkorn Calculator$' | head -n1)
[ -n "$win" ] || fail "no window titled Velkorn Calculator"

geometry() { xdotool getwindowgeometry --shell "$win"; }
eval "$(geometry)"
[ "$WIDTH" = 298 ] && [ "$HEIGHT" = 357 ] || fail "window is ${WIDTH}x${HEIGHT}, not 298x357"
[ "$X" = $(((1024 - 298) / 2)) ] && [ "$Y" = $(((768 - 357) / 2)) ] || fail "window at $X,$Y is not centred"
xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' || fail "window has a frame"
echo "ok: ${WIDTH}x${HEIGHT} at $X,$Y, undecorated"

# Picture buttons by their pixel positions: the centre of each 32 x 32 face.
click_at() {
    xdotool mousemove --window "$win" "$1" "$2" click 1
    sleep 0.15
}
click_at 24 168  # Image1: 1 into Input 1
click_at 64 168  # Image2: 2 into Input 1
click_at 104 208 # Image13: 3 into Input 2
click_at 196 168 # Image21: plus

# Select the result box's text and copy it.
click_at 224 108
xdotool key --window "$win" ctrl+a ctrl+c
sleep 0.3
result=$(timeout 5 xclip -o -selection clipboard)
[ "$result" = 15 ] || fail "12 + 3 shows '$result'"
echo "ok: 12 + 3 = $result"

# Drag the title strip by 60 x 40 pixels.
eval "$(geometry)"
before_x=$X
before_y=$Y
xdotool mousemove --window "$win" 100 16 mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove_relative -- 10 $((step % 2 ? 7 : 6))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.3
eval "$(geometry)"
[ "$X" -ne "$before_x" ] && [ "$Y" -ne "$before_y" ] ||
    fail "window did not move when dragged ($before_x,$before_y -> $X,$Y)"
echo "ok: dragged from $before_x,$before_y to $X,$Y"

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
