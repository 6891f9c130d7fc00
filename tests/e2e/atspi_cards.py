#!/usr/bin/python3
"""Reads the Help window, and the About window with its warning in Chinese,
through the accessibility bus (AT-SPI) as a screen reader's object
navigation meets them: the texts that are showing and visible, in order,
must be the cards' texts (the file given, from card_texts.cpp). Opens the
windows and chooses Chinese with the push buttons' press actions. Every
wait has a deadline."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from atspi_support import card_texts, application, descendants, fail, window  # noqa: E402

TEXT_ROLES = (Atspi.Role.LABEL, Atspi.Role.STATIC, Atspi.Role.PARAGRAPH, Atspi.Role.IMAGE)


def press(frame, name):
    for node in descendants(frame):
        if (node.get_role() in (Atspi.Role.PUSH_BUTTON, Atspi.Role.RADIO_BUTTON)
                and node.get_name() == name):
            node.do_action(0)
            return
    fail(f"no push or radio button named {name!r}")


def read(frame):
    """The names of the texts and pictures that are showing and visible."""
    shown = []
    for node in descendants(frame):
        states = node.get_state_set()
        if (node.get_role() in TEXT_ROLES and states.contains(Atspi.StateType.SHOWING)
                and states.contains(Atspi.StateType.VISIBLE)):
            shown.append(node.get_name())
    return shown


def matches(frame, expected, deadline):
    while time.monotonic() < deadline:
        texts = [t for t in read(frame) if t in expected]
        if texts == expected:
            return
        time.sleep(0.1)
    fail(f"{frame.get_name()} reads {read(frame)}, not {expected}")


def main():
    expected = card_texts(sys.argv[1])
    deadline = time.monotonic() + 30
    while application() is None and time.monotonic() < deadline:
        time.sleep(0.1)
    main_window = window("Velkorn Calculator", deadline)
    press(main_window, "Help")
    matches(window("Help", deadline), expected["Help"], deadline)
    press(main_window, "About")
    about = window("About", deadline)
    press(about, "Chinese Language")
    matches(about, expected["About"], deadline)
    # The language heading, then its choices, then the close label.
    controls = [n.get_name() for n in descendants(about)
                if n.get_name() in ("Language Select", "English Language", "Bengali Language",
                                    "Chinese Language", "Close")]
    if controls != ["Language Select", "English Language", "Bengali Language",
                    "Chinese Language", "Close"]:
        fail(f"About's controls come in the order {controls}")
    print(f"ok: Help reads its {len(expected['Help'])} texts, and About in Chinese its "
          f"{len(expected['About'])}, in order, all showing and visible")


if __name__ == "__main__":
    main()
