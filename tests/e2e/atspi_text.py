#!/usr/bin/python3
"""Asks the calculator's boxes, through the accessibility bus (AT-SPI), for
their text the way screen readers do: every text query at every offset for
every boundary, on texts that matter (Qt's bridge has no GetStringAtOffset,
so the boundary queries are what screen readers use with it), each under a deadline (a query the
program does not answer in time fails the test, and a program stuck in one
answers none after it). Also the attribute run at the caret, which must
cover the whole text, so that a screen reader reads all of it on focus;
and the clock, whose name stays while its text, the time, changes."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from atspi_support import APPLICATION, fail  # noqa: E402

SMILE = "\U0001F600"
TEXTS = ["", "1", "12", "-32768", "123456789012345", "abc def", "12 + 3", SMILE + "1" + SMILE]
BOUNDARIES = [
    Atspi.TextBoundaryType.CHAR,
    Atspi.TextBoundaryType.WORD_START,
    Atspi.TextBoundaryType.WORD_END,
    Atspi.TextBoundaryType.SENTENCE_START,
    Atspi.TextBoundaryType.SENTENCE_END,
    Atspi.TextBoundaryType.LINE_START,
    Atspi.TextBoundaryType.LINE_END,
]


def find_named(name, deadline):
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is None or app.get_name() != APPLICATION:
                continue
            stack = [app]
            while stack:
                node = stack.pop()
                if node.get_name() == name:
                    return node
                stack.extend(c for c in (node.get_child_at_index(j)
                                         for j in range(node.get_child_count())) if c)
        time.sleep(0.1)
    fail(f"nothing named {name!r} on the accessibility bus")


def check_clock():
    """The clock is named by what it is; the time is its text, and the name
    stays while the text changes."""
    clock = find_named("Time", time.monotonic() + 10)
    first = timed("the clock's text", lambda: clock.get_text(0, -1))
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        now = timed("the clock's text", lambda: clock.get_text(0, -1))
        if now and now != first:
            break
        time.sleep(0.1)
    else:
        fail(f"the clock's text stays {first!r}")
    if not any(c.isdigit() for c in now):
        fail(f"the clock's text is {now!r}")
    if clock.get_name() != "Time":
        fail(f"the clock is named {clock.get_name()!r}")
    print(f"ok: the clock is named Time; its text went from {first!r} to {now!r}")


def find_boxes(deadline):
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == APPLICATION:
                boxes = {}
                stack = [app]
                while stack:
                    node = stack.pop()
                    for j in range(node.get_child_count()):
                        child = node.get_child_at_index(j)
                        if child is None:
                            continue
                        if child.get_role() == Atspi.Role.TEXT:
                            boxes[child.get_name()] = child
                        stack.append(child)
                if len(boxes) >= 3:
                    return boxes
        time.sleep(0.1)
    fail(f"{APPLICATION} showed no three text boxes on the accessibility bus")


def timed(what, call):
    started = time.monotonic()
    try:
        result = call()
    except GLib.Error as error:
        fail(f"{what}: no answer ({error.message})")
    if time.monotonic() - started > 2:
        fail(f"{what}: answered after {time.monotonic() - started:.1f} s")
    return result


def units(text):
    """Offsets are in characters (code points)."""
    return len(text)


def main():
    # A query the program does not answer fails within two seconds.
    Atspi.set_timeout(2000, 30000)
    boxes = find_boxes(time.monotonic() + 30)
    box = boxes.get("Input 1") or fail(f"no box named Input 1 among {sorted(boxes)}")
    checked = 0
    for text in TEXTS:
        timed(f"set {text!r}", lambda: box.set_text_contents(text))
        shown = timed("get text", lambda: box.get_text(0, -1))
        if shown != text:
            fail(f"the box shows {shown!r} after setting {text!r}")
        count = timed("character count", box.get_character_count)
        if count != units(text):
            fail(f"{text!r} counts {count} characters")
        for offset in range(count + 1):
            where = f"{text!r} at {offset}"
            for boundary in BOUNDARIES:
                for name, query in (("at", box.get_text_at_offset),
                                    ("before", box.get_text_before_offset),
                                    ("after", box.get_text_after_offset)):
                    found = timed(f"text {name} {where} by {boundary.value_nick}",
                                  lambda: query(offset, boundary))
                    if (found.start_offset, found.end_offset, found.content) == (-1, -1, ""):
                        continue  # nothing there, as Qt says it
                    if not 0 <= found.start_offset <= found.end_offset <= count:
                        fail(f"text {name} {where} by {boundary.value_nick}: "
                             f"[{found.start_offset}, {found.end_offset}]")
                    if text[found.start_offset:found.end_offset] != found.content:
                        fail(f"text {name} {where} by {boundary.value_nick}: {found.content!r} "
                             f"is not the text at [{found.start_offset}, {found.end_offset}]")
                    checked += 1
            _, start, end = timed(f"attribute run at {where}",
                                  lambda: box.get_attribute_run(offset, True))
            if count and (start, end) != (0, count):
                fail(f"the attribute run at {where} is [{start}, {end}]")
    print(f"ok: {checked} text queries on {len(TEXTS)} texts answered at once and right")
    check_clock()


if __name__ == "__main__":
    main()
