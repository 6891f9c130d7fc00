# Sourced by the end-to-end tests: reading and moving X windows with
# xdotool and xprop, as a person sees and drags them. Expects fail() and
# eventually() from the test.

geometry() { timeout 5 xdotool getwindowgeometry --shell "$1"; }
# Sets X, Y, WIDTH and HEIGHT of a window.
read_geometry() { eval "$(geometry "$1")"; }
window_at() { read_geometry "$1"; [ "$X" = "$2" ] && [ "$Y" = "$3" ]; }
title_is() { [ "$(timeout 5 xprop -id "$1" _NET_WM_NAME)" = "_NET_WM_NAME(UTF8_STRING) = \"$2\"" ]; }
undecorated() { timeout 5 xprop -id "$1" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0'; }
# The first visible window whose title matches, or nothing after a minute.
find_window() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n1 || true; }

# Presses a button on a window's background at x, y, moves the pointer by
# dx, dy in five steps, and releases it once the window has caught up: the
# window must end exactly dx, dy away, the grabbed point under the pointer.
# A window manager moves a window on pointer motion, so while it lags the
# pointer is nudged a pixel and back, as a hand on a mouse would.
drag_by() {
    local window=$1 button=$2 x=$3 y=$4 dx=$5 dy=$6
    read_geometry "$window"
    local x0=$X y0=$Y
    xdotool mousemove --window "$window" "$x" "$y" mousedown "$button"
    for _ in 1 2 3 4 5; do
        xdotool mousemove_relative -- $((dx / 5)) $((dy / 5))
    done
    caught_up() {
        window_at "$window" $((x0 + dx)) $((y0 + dy)) && return 0
        xdotool mousemove_relative 1 0 mousemove_relative -- -1 0
        return 1
    }
    eventually caught_up || true
    xdotool mouseup "$button"
    eventually window_at "$window" $((x0 + dx)) $((y0 + dy)) ||
        fail "a drag of $dx,$dy with button $button moved the window from $x0,$y0 to $X,$Y"
}

# The shortcuts' cues, against a window and the areas velkorn-key-cue-areas
# printed: a screenshot of the window first, then Alt held until every cue
# is drawn and nothing else changed but the moving parts, then let go until
# only those differ. Uses $work and $here; says what differed in
# $work/cues.
window_shot() { timeout 10 import -window "$1" -depth 8 "$2"; }
cues_are() { # WINDOW AREAS shown|hidden
    window_shot "$1" "$work/now.ppm" &&
        "$here/changed_within.py" "$work/plain.ppm" "$work/now.ppm" "$3" <<<"$2" >"$work/cues" 2>&1
}
cues_follow_alt() { # WINDOW AREAS
    window_shot "$1" "$work/plain.ppm"
    xdotool keydown alt
    eventually cues_are "$1" "$2" shown || { xdotool keyup alt; fail "with Alt held: $(cat "$work/cues")"; }
    xdotool keyup alt
    eventually cues_are "$1" "$2" hidden || fail "with Alt let go: $(cat "$work/cues")"
}
