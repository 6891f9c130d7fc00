#!/usr/bin/python3
"""Writes what the accessibility bus (AT-SPI) gives for the main window, the
Help window and the About window with its warning in Chinese, in the golden
listings' form: the window, then one shown child a line, in the order a
screen reader meets them, as name|role|description|key binding|value|
states|language, the clock's readings as <time> and <date>. Opens the
windows and chooses Chinese with the push buttons' press actions. Every
wait has a deadline.
Usage: atspi_listing.py FOLDER (writes main.txt, help.txt, about-chinese.txt)"""

import os
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from atspi_support import fail, window  # noqa: E402

ROLE_WORDS = {
    Atspi.Role.FRAME: "window",
    Atspi.Role.DIALOG: "dialog",
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


CLOCK = ((re.compile(r"^\d{1,2}:\d{2}:\d{2}( [AP]M)?$"), "<time>"),
         (re.compile(r"^\d{1,4}[./ -](\d{1,2}|[^\W\d]{3,})[./ -]\d{1,4}$"), "<date>"))


def text_of(node):
    text = node.get_text_iface()
    return None if text is None else text.get_text(0, text.get_character_count())


def value(node):
    """A box's text, or a caption that says something else than the name."""
    text = text_of(node)
    if text is None or text == (node.get_name() or ""):
        return ""
    for pattern, word in CLOCK:
        if pattern.match(text):
            return word
    return text


def states(node):
    held = node.get_state_set()
    action = node.get_action_iface()
    names = [action.get_action_name(i) for i in range(action.get_n_actions())] if action else []
    words = [("focusable", held.contains(Atspi.StateType.FOCUSABLE)),
             ("read-only", held.contains(Atspi.StateType.READ_ONLY)),
             ("pressable", "Press" in names),
             ("checked", held.contains(Atspi.StateType.CHECKED))]
    return ",".join(word for word, holds in words if holds)


def language(node):
    text = node.get_text_iface()
    if text is None:
        return ""
    return text.get_text_attribute_value(0, "language") or ""


def line(node, with_value=True):
    role = ROLE_WORDS.get(node.get_role(), node.get_role_name())
    fields = [node.get_name() or "", role, node.get_description() or "", key_binding(node),
              value(node) if with_value else "", states(node) if with_value else "",
              language(node)]
    return "|".join(field.replace("\n", "\\n") for field in fields)


def listing(window):
    lines = [line(window, with_value=False)]
    for i in range(window.get_child_count()):
        child = window.get_child_at_index(i)
        # The announcement of a result is no control of the window.
        if child is None or not shown(child) or child.get_role() == Atspi.Role.NOTIFICATION:
            continue
        lines.append(line(child))
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
