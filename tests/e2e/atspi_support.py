"""What the AT-SPI clients of the end-to-end tests share: failing with a
message, walking a tree, and finding the calculator and its windows on the
accessibility bus within a deadline."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

APPLICATION = "velkorn-calculator"


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def card_texts(path):
    """What the Help and About cards should read, by window, from the file
    card_texts.cpp writes (one "window|text" a line, newlines as "\\n")."""
    expected = {"Help": [], "About": []}
    with open(path, encoding="utf-8") as texts:
        for line in texts:
            window_name, text = line.rstrip("\n").split("|", 1)
            expected[window_name].append(text.replace("\\n", "\n"))
    return expected


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def application(deadline=None):
    """The calculator on the bus; None when not there (and no deadline)."""
    while True:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == APPLICATION:
                return app
        if deadline is None:
            return None
        if time.monotonic() >= deadline:
            fail(f"{APPLICATION} did not appear on the accessibility bus")
        time.sleep(0.1)


def window(title, deadline):
    while time.monotonic() < deadline:
        app = application()
        for i in range(app.get_child_count() if app else 0):
            frame = app.get_child_at_index(i)
            if frame is not None and frame.get_name() == title:
                return frame
        time.sleep(0.1)
    fail(f"no window titled {title!r} on the accessibility bus")
