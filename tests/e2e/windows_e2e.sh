#!/usr/bin/env bash
# End to end: the Windows program under Wine on Xvfb with openbox, driven as
# a person would with xdotool. Checks the window's size, centring, frame and
# title; computes 12 + 3 and reads it back through the clipboard; a double
# click enters one digit and a right click one; an error shows its message
# box and the program goes on with its boxes as they were; left and right
# drags on the background move the window, a plain click and a press on a
# label do not; Help and About open with their titles, About keeps Chinese
# and its place after closing; X ends the process with code 0. Then the same
# window at 144 DPI: its size, and that the twice-size pictures are used.
set -euo pipefail

executable=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"
. "$here/../../tools/wine-prefix.sh"
. "$here/xwindows.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
eventually() { wait_for 15 "$@"; }

work=$(mktemp -d)
app=
cleanup() {
    stop_process "$app"
    timeout 20 wineserver -k 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 1024x768x24
make_wine_prefix "$work/prefix" || fail "no Wine prefix"

visible_windows() { timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
hidden() { [ -z "$(visible_windows "$1")" ]; }

# Wine takes two clicks within half a second for a double click: separate
# clicks are spaced by waiting until that time has passed.
last_click=0
click_at() {
    local now
    now=$(date +%s%N)
    while [ $(((now - last_click) / 1000000)) -lt 600 ]; do
        sleep 0.05
        now=$(date +%s%N)
    done
    xdotool mousemove --window "${4:-$win}" "$1" "$2" click "${3:-1}"
    last_click=$(date +%s%N)
}

# A box's text, through the clipboard: the caret to the start, select to
# the end, copy. Wine's focus can lag the X focus, so this is retried.
box_is() {
    local x=$1 y=$2 want=$3
    click_at "$x" "$y"
    xdotool key --window "$win" Home shift+End ctrl+c
    [ "$(timeout 2 xclip -o -selection clipboard 2>/dev/null)" = "$want" ]
}
TEXT1="40 76"
TEXT3="224 108"

start_program() {
    wine "$executable" >/dev/null 2>&1 &
    app=$!
    win=$(find_window '^Velkorn Calculator$')
    [ -n "$win" ] || fail "no window titled Velkorn Calculator"
}

start_program
eventually window_at "$win" $(((1024 - 298) / 2)) $(((768 - 357) / 2)) || fail "not centred: $X,$Y"
[ "$WIDTH" = 298 ] && [ "$HEIGHT" = 357 ] || fail "window is ${WIDTH}x${HEIGHT}, not 298x357"
eventually undecorated "$win" || fail "window has a frame"
eventually title_is "$win" "Velkorn Calculator" || fail "title: $(xprop -id "$win" _NET_WM_NAME)"
echo "ok: ${WIDTH}x${HEIGHT} at $X,$Y, undecorated, titled Velkorn Calculator"

click_at 24 168  # Image1
click_at 64 168  # Image2
click_at 104 208 # Image13
click_at 196 168 # Image21: plus
eventually box_is $TEXT3 15 || fail "12 + 3 shows '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: 12 + 3 = 15"

click_at 236 208 # Image25: clear
xdotool mousemove --window "$win" 24 168 click --repeat 2 --delay 80 1
click_at 64 168 3 # a right click on Image2
eventually box_is $TEXT1 12 || fail "a double click and a right click gave '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: a double click enters one digit, a right click one"

click_at 196 168 # plus with Input 2 empty: Type mismatch
box=
message_box() { box=$(visible_windows '^Velkorn Calculator$' | grep -vx "$win" | head -n1); [ -n "$box" ]; }
eventually message_box || fail "no message box for an empty box"
# Its OK button has the focus.
xdotool key Return
box_closed() { ! visible_windows '^Velkorn Calculator$' | grep -qx "$box"; }
eventually box_closed || fail "the message box did not close"
kill -0 "$app" || fail "the program ended after the error"
eventually box_is $TEXT1 12 || fail "Input 1 changed after the error"
echo "ok: the error shows a message box, and the program goes on with its boxes"

read_geometry "$win"
start_x=$X start_y=$Y
click_at 150 140
xdotool mousemove_relative -- 60 40
drag_by "$win" 1 150 140 -100 80
echo "ok: a plain click leaves the window still; a left drag of -100,80 moves it by -100,80"
drag_by "$win" 3 100 16 100 -80
eventually window_at "$win" "$start_x" "$start_y" || fail "a right drag did not bring it back"
xdotool mousemove --window "$win" 20 136 mousedown 1 mousemove_relative 40 30 mouseup 1
eventually window_at "$win" "$start_x" "$start_y" || fail "a press on a label moved the window"
echo "ok: a right drag moves it back; a press on a label does not drag"

click_at 236 272 # H
help=$(find_window '^Help$')
[ -n "$help" ] || fail "no Help window"
eventually title_is "$help" "Help" || fail "Help's title: $(xprop -id "$help" _NET_WM_NAME)"
drag_by "$help" 1 150 16 -320 0 # beside the main window, which it covers
click_at 196 272 # A
about=$(find_window '^About$')
[ -n "$about" ] || fail "no About window"
eventually title_is "$about" "About" || fail "About's title: $(xprop -id "$about" _NET_WM_NAME)"
drag_by "$about" 1 150 16 320 0
read_geometry "$about"
about_x=$X about_y=$Y
warning() { timeout 10 import -window "$about" -crop 236x78+0+273 +repage "$1"; }
warning "$work/english.png"
click_at 268 328 1 "$about" # Chinese
changed() { warning "$work/now.png"; [ "$(compare -metric AE "$work/now.png" "$work/english.png" null: 2>&1)" != 0 ]; }
eventually changed || fail "Chinese did not replace the warning"
warning "$work/chinese.png"
click_at 288 16 1 "$about" # X
eventually hidden '^About$' || fail "X did not hide the About window"
click_at 196 272
[ -n "$(find_window '^About$')" ] || fail "the About window did not come back"
eventually window_at "$about" "$about_x" "$about_y" || fail "About came back at $X,$Y"
same() { warning "$work/now.png"; [ "$(compare -metric AE "$work/now.png" "$work/chinese.png" null: 2>&1)" = 0 ]; }
eventually same || fail "the About window lost its language"
echo "ok: Help and About open; About keeps Chinese and its place after closing"

click_at 280 16 # X
exited() { ! kill -0 "$app"; }
eventually exited || fail "the program still runs after X"
status=0
wait "$app" || status=$?
app=
[ "$status" = 0 ] || fail "the program exited with $status"
echo "ok: X ends the program with code 0"

# 144 DPI (150%): the window scales by edges, and uses the twice-size faces.
wine_setting 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 144
timeout 60 wineserver -k || true
start_program
eventually window_at "$win" $(((1024 - 447) / 2)) $(((768 - 536) / 2)) || true
read_geometry "$win"
[ "$WIDTH" = 447 ] && [ "$HEIGHT" = 536 ] || fail "at 144 DPI the window is ${WIDTH}x${HEIGHT}, not 447x536"
# Image1 at (8, 152) pixels at 96 DPI: (12, 228) at 144, 48 pixels a side.
timeout 10 import -window "$win" -crop 48x48+12+228 +repage "$work/face.png"
convert "$here/../../assets/face-1@2x.jpg" -resize 48x48 "$work/twice.png"
convert "$here/../../assets/face-1.jpg" -resize 48x48 "$work/once.png"
# compare exits 1 when the pictures differ, as they do here.
distance() { { compare -metric RMSE "$work/face.png" "$1" null: 2>&1 || true; } | cut -d' ' -f1; }
twice=$(distance "$work/twice.png")
once=$(distance "$work/once.png")
awk -v t="$twice" -v o="$once" 'BEGIN { exit !(t < o) }' ||
    fail "the face at 144 DPI is no closer to the twice-size drawing ($twice) than to the plain one ($once)"
echo "ok: at 144 DPI the window is 447x536 and its faces come from the twice-size drawings" \
    "(distance $twice against $once)"
