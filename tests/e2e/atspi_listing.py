#!/usr/bin/python3
"""Writes what the accessibility bus (AT-SPI) gives for the main window, the
Help window and the About window with its warning in Chinese, in the golden
listings' form: one shown child a line, in the order a screen reader meets
them, as name|role|description|key binding. Opens the windows and chooses
Chinese with the push buttons' press actions. Every wait has a deadline.
Usage: atspi_listing.py FOLDER (writes main.txt, help.txt, about-chinese.txt)"""

import os
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from atspi_support import fail, window  # noqa: E402

ROLE_WORDS = {
    Atspi.Role.PUSH_BUTTON: "push button",
    Atspi.Role.RADIO_BUTTON: "radio button",
    Atspi.Role.ENTRY: "text",
    Atspi.Role.TEXT: "text",
    Atspi.Role.LABEL: "static text",
    Atspi.Role.STATIC: "static text",
    Atspi.Role.PARAGRAPH: "static text",
    Atspi.Role.IMAGE: "graphic",
}


def shown(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def key_binding(node):
    action = node.get_action_iface()
    if action is None or action.get_n_actions() == 0:
        return ""
    return action.get_key_binding(0) or ""


def listing(window):
    lines = []
    for i in range(window.get_child_count()):
        child = window.get_child_at_index(i)
        # The announcement of a result is no control of the window.
        if child is None or not shown(child) or child.get_role() == Atspi.Role.NOTIFICATION:
            continue
        role = ROLE_WORDS.get(child.get_role(), child.get_role_name())
        fields = [child.get_name() or "", role, child.get_description() or "", key_binding(child)]
        lines.append("|".join(field.replace("\n", "\\n") for field in fields))
    return "".join(line + "\n" for line in lines)


def press(window, name):
    for i in range(window.get_child_count()):
        child = window.get_child_at_index(i)
        if child is not None and child.get_name() == name:
            child.get_action_iface().do_action(0)
            return
    fail(f"no control named {name!r}")


def settled(window, deadline, wanted=None):
    """The listing once two readings agree (and it is the one wanted)."""
    last = None
    while time.monotonic() < deadline:
        now = listing(window)
        if now == last and (wanted is None or now == wanted):
            return now
        last = now
        time.sleep(0.2)
    return last


def main():
    folder = sys.argv[1]
    deadline = time.monotonic() + 40
    main_window = window("Velkorn Calculator", deadline)
    results = {"main": settled(main_window, deadline)}
    press(main_window, "Help")
    results["help"] = settled(window("Help", deadline), deadline)
    press(main_window, "About")
    about = window("About", deadline)
    press(about, "Chinese Language")
    with open(os.path.join(folder, "golden-about-chinese.txt"), encoding="utf-8") as golden:
        results["about-chinese"] = settled(about, deadline, golden.read())
    for name, text in results.items():
        with open(os.path.join(folder, f"{name}.txt"), "w", encoding="utf-8") as out:
            out.write(text or "")


if __name__ == "__main__":
    main()
