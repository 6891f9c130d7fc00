#!/usr/bin/env bash
# The calculator through the real accessibility bus: on a virtual display,
# in a D-Bus session of its own (which starts the AT-SPI bus on demand),
# a client presses "1", "2", the second keypad's "3" and "Plus" as push
# buttons and reads the boxes: the same as clicks give. Then every text
# query a screen reader makes of a box, on texts that matter, each answered
# at once and right; and the texts of the Help and About cards, read in
# order as they are shown. Last, what screen readers hear without the
# focus moving: the keypad's digits, Clear, About's language choice, and
# Help and About as dialogs described by their text.
set -euo pipefail

executable=$1
card_texts=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../tools/virtual-display.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

start_virtual_display 1024x768x24
work=$(mktemp -d)
cleanup() {
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

"$card_texts" >"$work/cards" || fail "no card texts"
golden=$here/../golden
mkdir "$work/listings"
cp "$golden/about-chinese.txt" "$work/listings/golden-about-chinese.txt"
export VELKORN_EXECUTABLE=$executable VELKORN_HERE=$here VELKORN_OUT=$work/boxes \
    VELKORN_CARDS=$work/cards VELKORN_LISTINGS=$work/listings
# The session bus and what it started (the AT-SPI bus) end with the session;
# the program is stopped inside it on every path.
timeout 90 dbus-run-session -- bash -c '
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$VELKORN_EXECUTABLE" 2>/dev/null &
    app=$!
    status=0
    timeout 60 /usr/bin/python3 -W ignore "$VELKORN_HERE/atspi_keypad.py" "$VELKORN_OUT" &&
        timeout 60 /usr/bin/python3 -W ignore "$VELKORN_HERE/atspi_text.py" >"$VELKORN_OUT.text" &&
        timeout 60 /usr/bin/python3 -W ignore "$VELKORN_HERE/atspi_cards.py" "$VELKORN_CARDS" \
            >>"$VELKORN_OUT.text" &&
        timeout 60 /usr/bin/python3 -W ignore "$VELKORN_HERE/atspi_events.py" "$VELKORN_CARDS" \
            >>"$VELKORN_OUT.text" &&
        timeout 60 /usr/bin/python3 -W ignore "$VELKORN_HERE/atspi_listing.py" "$VELKORN_LISTINGS" ||
        status=$?
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    exit "$status"
' >/dev/null 2>"$work/log" || { cat "$work/log" >&2; fail "the accessibility client failed"; }
boxes=$(cat "$work/boxes")
[ "$boxes" = $'12\n3\n15' ] || fail "the boxes read: $(echo "$boxes" | tr '\n' '|')"
echo "ok: pressed 1, 2, 3 and Plus as push buttons; heard \"Output 15\" once; the boxes read 12, 3, 15"
cat "$work/boxes.text"
# The same listings as the Windows program gives through MSAA.
for listing in main help about-chinese; do
    diff -u "$golden/$listing.txt" "$work/listings/$listing.txt" >"$work/listing.diff" ||
        fail "$listing through AT-SPI differs from the golden listing: $(cat "$work/listing.diff")"
done
echo "ok: the main window, Help and About in Chinese through AT-SPI are the golden listings"
