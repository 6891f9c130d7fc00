#!/usr/bin/env bash
# Every way text enters a number box, on the Windows program under Wine on
# Xvfb with openbox: the table tests/entry/entry_cases.tsv, which the Qt
# box runs too (entry_table_test), driven from another process by a small
# Windows program (keystrokes, messages, the clipboard, and the program's
# input method through its test hook). Prints the driver's line for each
# row and fails when any row differs from the table.
set -euo pipefail

executable=$1
driver=$2
table=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"
. "$here/../../tools/wine-prefix.sh"
. "$here/xwindows.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }
eventually() { wait_for 15 "$@"; }

start_wine_session

wine "$executable" >/dev/null 2>&1 &
app=$!
win=$(find_window '^Velkorn Calculator$')
[ -n "$win" ] || fail "no window titled Velkorn Calculator"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
eventually active || fail "the window was not activated"

status=0
timeout 240 wine "$driver" "$(winepath -w "$table")" >"$work/results" 2>"$work/errors" || status=$?
tr -d '\r' <"$work/results"
[ "$status" = 0 ] || fail "the driver exited with $status: $(tr -d '\r' <"$work/errors" | grep -v '^[0-9a-f]*:fixme' || true)"
kill -0 "$app" || fail "the program ended during the table"
echo "ok: every row of the entry table as expected on Windows"
