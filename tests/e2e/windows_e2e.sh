#!/usr/bin/env bash
# End to end: the Windows program under Wine on Xvfb with openbox, driven as
# a person would with xdotool, and as a screen reader would through MSAA
# (the probe, cross-built beside the program). Checks the window's size,
# centring, frame and title; computes 12 + 3 by clicks and by accessible
# actions; typing after a keypad click goes on at the end; a refused 16th
# keystroke leaves the undo history alone; a double click enters one digit
# and a right click one; an error shows its message box, a screen reader's
# press meanwhile opens no second one, and the program goes on; drags; Help
# opens by its button and F1 and closes with Escape; About keeps Chinese
# and its place; a change of DPI redraws the window as a fresh start at
# that DPI would; X ends the process with code 0. Then fresh starts at 120
# and 144 DPI: the size, and that the twice-size pictures are used.
set -euo pipefail

executable=$1
probe=$2
cue_areas=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"
. "$here/../../tools/wine-prefix.sh"
. "$here/xwindows.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
eventually() { wait_for 15 "$@"; }

start_wine_session
# "Underline access keys" (the 0x20 of the mask's first byte) off, as
# Windows has it; Wine has it on.
KEYBOARD_CUES_OFF=1000028012000000
KEYBOARD_CUES_ON=3000028012000000
wine_setting 'HKCU\Control Panel\Desktop' UserPreferencesMask REG_BINARY $KEYBOARD_CUES_OFF

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
TEXT2="200 76"
TEXT3="224 108"
TOOL_TIPS=35 # the main window's controls that have a tool tip
probe() { timeout 60 wine "$probe" "$@" 2>&1 | tr -d '\r'; }

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

# Text1 has the focus from the start, and Tab goes on to Text2.
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
eventually active || fail "the window was not activated"
xdotool key --window "$win" 7 Tab 8
eventually box_is $TEXT2 8 || fail "Tab from the first box did not reach Text2"
eventually box_is $TEXT1 7 || fail "a key typed at the start did not reach Text1"
echo "ok: Text1 has the focus at the start, and Tab goes on to Text2"

# Keyboard only: the shortcuts work from whichever box has the focus, and
# the letters typed with Alt never reach it. (An empty box reads as the old
# clipboard, so what follows a clear is typed onto the end of the box.)
xdotool key --window "$win" alt+c End 1 2 alt+h alt+q Tab End 3 alt+p
eventually box_is $TEXT3 15 || fail "Alt+C, 12 Tab 3 Alt+P shows '$(timeout 2 xclip -o -selection clipboard)'"
eventually box_is $TEXT1 12 || fail "Alt+H Alt+Q reached Input 1 as text: '$(timeout 2 xclip -o -selection clipboard)'"
eventually box_is $TEXT2 3 || fail "Alt+P reached Input 2 as text: '$(timeout 2 xclip -o -selection clipboard)'"
xdotool key --window "$win" alt+m
eventually box_is $TEXT3 9 || fail "Alt+M shows '$(timeout 2 xclip -o -selection clipboard)'"
# The focus is in Output, where the reading left it.
xdotool key --window "$win" alt+c End 4
eventually box_is $TEXT3 4 || fail "Alt+C did not clear Output: '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: 12 + 3 = 15 and 12 - 3 = 9 from the keyboard, and Alt+C clears"

# With Windows' "underline access keys" off, Alt held shows the shortcuts'
# cues by their controls and nothing changes but the clock and a caret; let
# go, they go. (With it on they stay: the last check, below.)
areas=$(timeout 30 wine "$cue_areas" Form1 96 | tr -d '\r')
cues_follow_alt "$win" "$areas"
echo "ok: the shortcuts' cues by their controls while Alt is held"

# A press on a box's top edge, under its caption, goes to the box: the
# front control takes the press.
click_at 200 76 # the focus in Input 2
click_at 20 65  # Input 1's top edge, inside its caption's area
xdotool key --window "$win" End 5
eventually box_is $TEXT1 5 ||
    fail "a press on Input 1's top edge did not focus it: '$(timeout 2 xclip -o -selection clipboard)'"
xdotool key --window "$win" alt+c
echo "ok: a press on Input 1's top edge, where its caption overlaps it, reaches the box"

click_at 24 168  # Image1
click_at 64 168  # Image2
click_at 104 208 # Image13
click_at 196 168 # Image21: plus
eventually box_is $TEXT3 15 || fail "12 + 3 shows '$(timeout 2 xclip -o -selection clipboard)'"
# The first keypad writes into Input 1, the second into Input 2.
eventually box_is $TEXT1 12 || fail "keypad 1 gave Input 1 '$(timeout 2 xclip -o -selection clipboard)'"
eventually box_is $TEXT2 3 || fail "keypad 2 gave Input 2 '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: 12 + 3 = 15, each keypad into its own box"

# The tool tips and the icons come once the window has painted and has
# nothing else to do: a tip for each key and each label that has one.
tips_added() { [ "$(probe tooltips)" = "$TOOL_TIPS" ]; }
eventually tips_added || fail "the main window has $(probe tooltips) tool tips, not $TOOL_TIPS"
has_icon() { xprop -id "$win" _NET_WM_ICON | grep -q "Icon (32 x 32)"; }
eventually has_icon || fail "the main window has no icon: $(xprop -id "$win" _NET_WM_ICON | head -1)"
echo "ok: $TOOL_TIPS tool tips and the icons, added after the first paint"

# A key's tip comes up under the resting pointer, and goes with it: the card
# hands the tool tips its pointer's moves itself.
tip_is() { [ "$(probe tooltips shown)" = "$1" ]; }
xdotool mousemove --window "$win" 24 168 mousemove --window "$win" 25 169
eventually tip_is shown || fail "no tool tip over a key"
xdotool mousemove --window "$win" 292 250
eventually tip_is hidden || fail "the key's tool tip stayed up away from the key"
echo "ok: a key's tool tip shows under the pointer"

# The window as a screen reader meets it, the same listing as on Linux,
# and 12 + 3 by the keys' default actions.
golden=$here/../golden
# MSAA carries no language: the listings' last field is left empty here, and
# the clock's readings are written as they are.
clock_words='s/\|[0-9]{1,2}:[0-9]{2}:[0-9]{2}( [AP]M)?\|/|<time>|/; s/\|[0-9]{1,4}[./ -]([0-9]{1,2}|[A-Za-z]{3,})[./ -][0-9]{1,4}\|/|<date>|/'
listing_is() {
    probe list "$1" | sed -E "$clock_words" |
        diff -u <(sed -E 's/\|[^|]*$/|/' "$golden/$2.txt") - >"$work/listing.diff"
}
click_at 236 208 # Image25: clear, as the listing has the boxes
eventually listing_is Form1 main || fail "the main window through MSAA: $(cat "$work/listing.diff")"
echo "ok: the main window through MSAA is the golden listing, in reading order"
# Navigation meets the children in their order, and the hit-test at each
# child's middle answers that child (a picture's text, the background).
walk_is_right() {
    probe walk "$1" >"$work/walk"
    ! grep -q '^order differs' "$work/walk" &&
        ! awk -F'>' -v self="$2" '$1 != $2 && $2 != self' "$work/walk" | grep -q .
}
walk_is_right Form1 "Velkorn Calculator" || fail "navigation or hit-test through MSAA: $(cat "$work/walk")"
echo "ok: navigation and the hit-test through MSAA answer the right children"
clock=$(probe value Time)
[[ "$clock" =~ [0-9]+:[0-9]{2}:[0-9]{2} ]] || fail "the clock's value through MSAA is '$clock'"
echo "ok: the clock reads '$clock' through MSAA"
click_at 236 208 # Image25: clear
pressed=
for key in "1" "2" "3 2" "Plus"; do
    # shellcheck disable=SC2086
    pressed+=$(probe press $key) || fail "the accessible press of $key failed: $pressed"
done
# Each box read as a person would: Wine's oleacc names no box.
eventually box_is $TEXT1 12 || fail "accessible presses gave Input 1 '$(timeout 2 xclip -o -selection clipboard)'"
eventually box_is $TEXT2 3 || fail "accessible presses gave Input 2 '$(timeout 2 xclip -o -selection clipboard)'"
eventually box_is $TEXT3 15 || fail "accessible presses left Output '$(timeout 2 xclip -o -selection clipboard)'"
[ -z "$pressed" ] || fail "a key had no default action: $pressed"
echo "ok: 12 + 3 = 15 by the keys' default actions"

# Typing goes on after the digits a keypad entered.
click_at 236 208 # clear
click_at 40 76
xdotool type --window "$win" 12
click_at 24 208 # Image3
xdotool type --window "$win" 4
eventually box_is $TEXT1 1234 || fail "typing after a keypad click gave '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: typing after a keypad click appends: 1234"

# A 16th keystroke is refused; the undo history still holds the typing.
click_at 40 76
xdotool key --window "$win" End shift+Home
xdotool type --window "$win" 123456789012345
xdotool type --window "$win" 9
eventually box_is $TEXT1 123456789012345 || fail "a 16th keystroke changed the box: '$(timeout 2 xclip -o -selection clipboard)'"
xdotool key --window "$win" ctrl+z
eventually box_is $TEXT1 1234 || fail "undo after a refused keystroke gave '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: a refused 16th keystroke leaves the text and the undo history"

click_at 236 208 # Image25: clear
xdotool mousemove --window "$win" 24 168 click --repeat 2 --delay 80 1
click_at 64 168 3 # a right click on Image2
eventually box_is $TEXT1 12 || fail "a double click and a right click gave '$(timeout 2 xclip -o -selection clipboard)'"
echo "ok: a double click enters one digit, a right click one"

click_at 196 168 # plus with Input 2 empty: Type mismatch
box=
message_box() { box=$(visible_windows '^Velkorn Calculator$' | grep -vx "$win" | head -n1); [ -n "$box" ]; }
eventually message_box || fail "no message box for an empty box"
# A screen reader's press on Plus while the box is up: no second box.
probe press Plus >/dev/null || fail "the program did not answer a press while its message box was up"
[ "$(visible_windows '^Velkorn Calculator$' | grep -vxc "$win")" = 1 ] ||
    fail "a press while the message box was up opened another"
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
read_geometry "$help"
help_x=$X help_y=$Y
xdotool key Escape
eventually hidden '^Help$' || fail "Escape did not close the Help window"
click_at 40 76
xdotool key --window "$win" F1
[ -n "$(find_window '^Help$')" ] || fail "F1 did not open the Help window"
# Wine maps a window before it places it: wait until it stands where it was.
eventually window_at "$help" "$help_x" "$help_y" || fail "Help came back at $X,$Y, not $help_x,$help_y"
echo "ok: Help opens by its button and by F1, where it was, and Escape closes it"
# Its text, which the picture shows, is there for screen readers too.
eventually listing_is Form2 help || fail "Help through MSAA: $(cat "$work/listing.diff")"
echo "ok: Help through MSAA is the golden listing"
walk_is_right Form2 Help || fail "navigation or hit-test through MSAA on Help: $(cat "$work/walk")"
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
# Chinese by its shortcut, in the window that has the focus.
about_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$about" ]; }
eventually about_active || fail "About did not take the focus"
changed() { warning "$work/now.png"; [ "$(compare -metric AE "$work/now.png" "$work/english.png" null: 2>&1)" != 0 ]; }
# X may give About the focus a moment before Wine hands it the keys, and a
# key sent in between is lost: Alt+C again until the warning changes (it
# only ever chooses Chinese there).
chinese_by_key() { xdotool key alt+c; changed; }
eventually chinese_by_key || fail "Chinese did not replace the warning"
eventually listing_is Form3 about-chinese || fail "About in Chinese through MSAA: $(cat "$work/listing.diff")"
[ "$(probe state "Chinese Language" Form3)" = checked ] || fail "Chinese is not the checked choice"
warning "$work/chinese.png"
click_at 288 16 1 "$about" # X
eventually hidden '^About$' || fail "X did not hide the About window"
click_at 196 272
[ -n "$(find_window '^About$')" ] || fail "the About window did not come back"
eventually window_at "$about" "$about_x" "$about_y" || fail "About came back at $X,$Y"
same() { warning "$work/now.png"; [ "$(compare -metric AE "$work/now.png" "$work/chinese.png" null: 2>&1)" = 0 ]; }
eventually same || fail "the About window lost its language"
echo "ok: Help and About open; Alt+C shows Chinese; About keeps it and its place after closing"

# Moved to a monitor of 144 DPI: the main window as a fresh start there.
# The boxes and the clock differ from a fresh start; the title strip and
# the buttons must not.
click_at 288 16 1 "$about" # X: About would lie over the larger window
eventually hidden '^About$' || fail "X did not hide the About window"
probe dpi "Velkorn Calculator" 144 || fail "no DPI change"
at_144() { read_geometry "$win"; [ "$WIDTH" = 447 ] && [ "$HEIGHT" = 536 ]; }
eventually at_144 || fail "after a change to 144 DPI the window is ${WIDTH}x${HEIGHT}"
still_parts() {
    timeout 10 import -window "$1" -crop 447x50+0+0 +repage "$2-strip.png" &&
        timeout 10 import -window "$1" -crop 447x250+0+200 +repage "$2-keys.png"
}
# Taken again until two takes agree: the window redraws itself after the
# change, and a take in the middle of that would match no fresh start.
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
changed_settled() {
    still_parts "$win" "$work/changed" && still_parts "$win" "$work/again" &&
        same_picture "$work/changed-strip.png" "$work/again-strip.png" &&
        same_picture "$work/changed-keys.png" "$work/again-keys.png"
}
eventually changed_settled || fail "after a change to 144 DPI the window kept changing"

click_at 420 24 # X, at 144 DPI; Help is still open
exited() { ! kill -0 "$app"; }
eventually exited || fail "the program still runs after X"
status=0
wait "$app" || status=$?
app=
[ "$status" = 0 ] || fail "the program exited with $status"
echo "ok: X ends the program with code 0"

# Every caption, and each overlap of two ("Time:" and the clock: the colon
# lies under the clock), at 4.5:1 or more against the card under it.
contrast_ok() {
    timeout 10 import -window "$1" -depth 8 "$work/scheme.ppm" &&
        probe captions "$2" "${3:-96}" |
        timeout 30 "$here/caption_contrast.py" "$work/scheme.ppm" >"$work/contrast"
}
# Fresh starts at 120 DPI (125%), 192 DPI (200%) and 144 DPI (150%, last:
# the change to 144 DPI above is compared with it): the window scales by
# edges, and its faces come from the twice-size drawings at each.
# compare exits 1 when the pictures differ, as they do here.
distance() { { compare -metric RMSE "$work/face.png" "$1" null: 2>&1 || true; } | cut -d' ' -f1; }
identical() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
# DPI, window size, and Image1's place and size there (8, 152, 32 at 96).
for setting in "120 373 446 10 190 40" "192 596 714 16 304 64" "144 447 536 12 228 48"; do
    read -r dpi width height x y side <<<"$setting"
    wine_setting 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"
    timeout 60 wineserver -k || true
    start_program
    eventually window_at "$win" $(((1024 - width) / 2)) $(((768 - height) / 2)) || true
    read_geometry "$win"
    [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ] ||
        fail "at $dpi DPI the window is ${WIDTH}x${HEIGHT}, not ${width}x${height}"
    convert "$here/../../assets/face-1@2x.jpg" -resize "${side}x${side}" "$work/twice.png"
    convert "$here/../../assets/face-1.jpg" -resize "${side}x${side}" "$work/once.png"
    # Taken again until the window has painted its face (a busy machine).
    twice_size_face() {
        timeout 10 import -window "$win" -crop "${side}x${side}+$x+$y" +repage "$work/face.png"
        twice=$(distance "$work/twice.png")
        once=$(distance "$work/once.png")
        awk -v t="$twice" -v o="$once" 'BEGIN { exit !(t < o && t < 20000) }'
    }
    eventually twice_size_face ||
        fail "the face at $dpi DPI is no closer to the twice-size drawing ($twice) than to the plain one ($once)"
    eventually contrast_ok "$win" Form1 "$dpi" ||
        fail "captions at $dpi DPI: $(cat "$work/contrast")"
    echo "ok: at $dpi DPI the window is ${width}x${height} and its faces come from the" \
        "twice-size drawings (distance $twice against $once); captions and their overlaps" \
        "read whole"
done
fresh_matches() {
    still_parts "$win" "$work/fresh" &&
        identical "$work/fresh-strip.png" "$work/changed-strip.png" &&
        identical "$work/fresh-keys.png" "$work/changed-keys.png"
}
eventually fresh_matches || fail "after a change to 144 DPI the window differs from a fresh start" \
    "at 144 DPI: strip $(compare -metric AE "$work/fresh-strip.png" "$work/changed-strip.png" null: 2>&1)," \
    "keys $(compare -metric AE "$work/fresh-keys.png" "$work/changed-keys.png" null: 2>&1) pixels"
echo "ok: a change to 144 DPI draws the window as a fresh start at 144 DPI does"

# Windows' high-contrast black colours (the mode itself Wine does not
# report): the captions keep the card's own colours, 4.5:1 or more.
wine_setting 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 96
for colour in "Window 0 0 0" "WindowText 255 255 255" "ButtonFace 0 0 0" "ButtonText 255 255 255" \
    "Hilight 26 235 255" "HilightText 0 0 0"; do
    wine_setting 'HKCU\Control Panel\Colors' "${colour%% *}" REG_SZ "${colour#* }"
done
timeout 60 wineserver -k || true
start_program

eventually contrast_ok "$win" Form1 || fail "captions under high-contrast colours: $(cat "$work/contrast")"
xdotool key --window "$win" alt+a
about=$(find_window '^About$')
[ -n "$about" ] || fail "Alt+A did not open About"
eventually contrast_ok "$about" Form3 || fail "About's captions under high-contrast colours: $(cat "$work/contrast")"
echo "ok: every caption at 4.5:1 or more under high-contrast colours:" \
    "$(sort -t' ' -k2 -n "$work/contrast" | head -n1)"

# "Underline access keys" on: the cues from the start, Alt or not (a
# setting of Wine's is read by each process once, so it is set before a
# start).
wine_setting 'HKCU\Control Panel\Desktop' UserPreferencesMask REG_BINARY $KEYBOARD_CUES_ON
timeout 60 wineserver -k || true
start_program
eventually cues_are "$win" "$areas" shown || fail "with \"underline access keys\" on: $(cat "$work/cues")"
echo "ok: with \"underline access keys\" on, the cues show without Alt"
