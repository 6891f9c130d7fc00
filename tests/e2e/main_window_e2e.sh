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

geometry() { xdotool getwindowgeometry --shell "${1:-$win}"; }
eval "$(geometry)"
[ "$WIDTH" = 298 ] && [ "$HEIGHT" = 357 ] || fail "window is ${WIDTH}x${HEIGHT}, not 298x357"
[ "$X" = $(((1024 - 298) / 2)) ] && [ "$Y" = $(((768 - 357) / 2)) ] || fail "window at $X,$Y is not centred"
xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' || fail "window has a frame"
echo "ok: ${WIDTH}x${HEIGHT} at $X,$Y, undecorated"

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
    sleep 0.3
}

# The warning paragraph of the About window, as a picture.
warning_picture() {
    import -window "$about" -crop 236x78+0+273 +repage "$1"
}

same_picture() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
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
drag_by "$win" 60 40
eval "$(geometry)"
[ "$X" -ne "$before_x" ] && [ "$Y" -ne "$before_y" ] ||
    fail "window did not move when dragged ($before_x,$before_y -> $X,$Y)"
echo "ok: dragged from $before_x,$before_y to $X,$Y"
drag_by "$win" -60 -40

# Help (H) and About (A), each dragged beside the main window.
click_at 236 272
help=$(timeout 10 xdotool search --sync --onlyvisible --name '^Help' | head -n1)
[ -n "$help" ] || fail "no Help window"
drag_by "$help" -320 0
click_at 196 272
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About' | head -n1)
[ -n "$about" ] || fail "no About window"
drag_by "$about" 320 0
eval "$(geometry "$about")"
[ "$WIDTH" = 300 ] && [ "$HEIGHT" = 358 ] || fail "About window is ${WIDTH}x${HEIGHT}"
about_x=$X
about_y=$Y
echo "ok: Help and About open beside the main window"

work=$(mktemp -d)
warning_picture "$work/english.png"
click_at 268 328 "$about" # "Chinese"
sleep 0.3
warning_picture "$work/chinese.png"
same_picture "$work/english.png" "$work/chinese.png" && fail "Chinese did not replace the warning"
click_at 288 16 "$about" # "X"
sleep 0.3
xdotool search --onlyvisible --name '^About' >/dev/null && fail "X did not hide the About window"
click_at 196 272
timeout 10 xdotool search --sync --onlyvisible --name '^About' >/dev/null
sleep 0.3
eval "$(geometry "$about")"
[ "$X" = "$about_x" ] && [ "$Y" = "$about_y" ] ||
    fail "About window came back at $X,$Y, not $about_x,$about_y"
warning_picture "$work/again.png"
same_picture "$work/chinese.png" "$work/again.png" || fail "About window lost its language"
rm -rf "$work"
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
