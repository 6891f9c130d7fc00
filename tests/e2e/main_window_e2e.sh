#!/usr/bin/env bash
# End to end: the real executable on Xvfb with openbox, driven like a person
# would with xdotool. Starts it with Qt's own options, which must change
# nothing; finds the window, checks title, size, centring and that it is
# undecorated, computes 12 + 3 on the keypads, reads the result back through
# the clipboard, clicks and drags the background, opens the Help and About
# windows beside it, switches the About window to Chinese, closes and
# reopens it, and quits with the exit label.
set -euo pipefail

executable=$1
cue_areas=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"
. "$here/xwindows.sh"

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program and the window manager answer asynchronously: a check is
# retried until it holds or ten seconds have passed.
eventually() { wait_for 10 "$@"; }

start_virtual_display 1024x768x24
app=
work=$(mktemp -d)
cleanup() {
    stop_process "$app"
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

# Clicks at a pixel position in a window (the main window unless named).
click_at() { xdotool mousemove --window "${3:-$win}" "$1" "$2" click 1; }

clipboard_is() { [ "$(timeout 2 xclip -o -selection clipboard)" = "$1" ]; }
# xdotool finds nothing: status 1 (a time-out is no answer).
hidden() {
    local status=0
    timeout 5 xdotool search --onlyvisible --name "$1" >/dev/null || status=$?
    [ "$status" = 1 ]
}

# The warning paragraph of the About window, as a picture.
warning_picture() { timeout 10 import -window "$about" -crop 236x78+0+273 +repage "$1"; }
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
warning_is() { warning_picture "$work/now.png" && same_picture "$work/now.png" "$1"; }

# Qt's own options must change nothing: the program takes no command line.
"$executable" -qwindowgeometry 400x100+10+10 -qwindowtitle Renamed 2>/dev/null &
app=$!
win=$(find_window '^Velkorn Calculator$')
[ -n "$win" ] || fail "no window titled Velkorn Calculator"
eventually title_is "$win" "Velkorn Calculator" ||
    fail "main window's title: $(timeout 5 xprop -id "$win" _NET_WM_NAME)"

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

# A chord that is no shortcut types nothing: Alt+H and Alt+Q in Input 1.
click_at 70 78
xdotool key --window "$win" End alt+h alt+q ctrl+a ctrl+c
eventually clipboard_is 12 || fail "Alt+H Alt+Q left Input 1 '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: Alt+H and Alt+Q leave Input 1 12"

# Alt held: the shortcuts' cues by their controls, and nothing changes but
# the clock and a caret; let go, the cues go.
areas=$("$cue_areas" Form1 96)
cues_follow_alt "$win" "$areas"
echo "ok: Alt held shows the shortcuts' cues by their controls and nothing else; let go, they go"

# A plain click on the background leaves the window where it is, also when
# the pointer moves on. The program is held while the click happens, so it
# sees the press only once the button is up, as when it is busy: a window
# manager handed the move on the press would then glue the window to the
# pointer, and swallow the next press.
kill -STOP "$app"
click_at 150 140
kill -CONT "$app"
xdotool mousemove_relative -- 60 40
drag_by "$win" 1 150 140 -100 80
echo "ok: a plain click leaves the window still; a left drag of -100,80 moves it by -100,80"
drag_by "$win" 3 100 16 100 -80
eventually window_at "$win" "$centre_x" "$centre_y" || fail "window did not come back"
echo "ok: a right drag moves it back"

# Help (H) and About (A), each dragged beside the main window.
click_at 236 272
help=$(find_window '^Help$')
[ -n "$help" ] || fail "no Help window"
eventually title_is "$help" "Help" || fail "Help's title: $(timeout 5 xprop -id "$help" _NET_WM_NAME)"
eventually window_at "$help" $(((1024 - 300) / 2)) $(((768 - 355) / 2)) || fail "Help not centred"
drag_by "$help" 1 150 16 -320 0
click_at 196 272
about=$(find_window '^About$')
[ -n "$about" ] || fail "no About window"
eventually title_is "$about" "About" || fail "About's title: $(timeout 5 xprop -id "$about" _NET_WM_NAME)"
eventually window_at "$about" $(((1024 - 300) / 2)) $(((768 - 358) / 2)) || fail "About not centred"
[ "$WIDTH" = 300 ] && [ "$HEIGHT" = 358 ] || fail "About window is ${WIDTH}x${HEIGHT}"
drag_by "$about" 1 150 16 320 0
about_x=$X
about_y=$Y
echo "ok: Help and About open beside the main window"

warning_picture "$work/english.png"
click_at 268 328 "$about" # "Chinese"
eventually eval '! warning_is "$work/english.png"' || fail "Chinese did not replace the warning"
warning_picture "$work/chinese.png"
click_at 288 16 "$about" # "X"
eventually hidden '^About$' || fail "X did not hide the About window"
click_at 196 272
find_window '^About$' >/dev/null || fail "About window did not come back"
eventually window_at "$about" "$about_x" "$about_y" ||
    fail "About window came back at $X,$Y, not $about_x,$about_y"
eventually warning_is "$work/chinese.png" || fail "About window lost its language"
echo "ok: About keeps Chinese and its place after closing"

# The exit label ends the program.
click_at 280 16
exited() { ! kill -0 "$app"; }
eventually exited || fail "program still running after a click on the exit label"
wait "$app" || fail "program exited with an error"
app=
echo "ok: exit label ended the program"
