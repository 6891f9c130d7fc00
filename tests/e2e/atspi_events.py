#!/usr/bin/python3
"""Listens to the calculator on the accessibility bus (AT-SPI) for what
screen readers hear without the focus moving: a keypad digit pressed by its
action is one character inserted at the end of its box, and Clear removes
the box's text; About's language choice changes "showing" and "visible"
together for the warning shown and the one hidden (a screen reader that
caches states updates only the state an event names), and moves the checked
state between the language radio buttons. Help and About are dialogs whose
description is the text they show (the file given, from card_texts.cpp),
sent anew as text when the language changes.
Every wait has a deadline."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from atspi_support import card_texts, descendants, fail, window  # noqa: E402

BUTTONS = (Atspi.Role.PUSH_BUTTON, Atspi.Role.RADIO_BUTTON)


def named(frame, name, roles=None):
    for node in descendants(frame):
        if node.get_name() == name and (roles is None or node.get_role() in roles):
            return node
    fail(f"nothing named {name!r} in {frame.get_name()}")


def press(frame, name):
    named(frame, name, BUTTONS).do_action(0)


class Recorder:
    """The events of the given types, as (what, source) pairs; what says
    the event in a line a failure message can show."""

    def __init__(self, *types):
        self.heard = []
        self.listener = Atspi.EventListener.new(self.on_event)
        self.types = types
        for kind in types:
            self.listener.register(kind)

    def on_event(self, event):
        self.heard.append((event.type, event.detail1, event.any_data, event.source))

    def wait_for(self, wanted, deadline, describe):
        """Runs the loop until every wanted line was heard, or the deadline."""
        context = GLib.MainContext.default()
        while time.monotonic() < deadline:
            while context.pending():
                context.iteration(False)
            if all(w in self.lines(describe) for w in wanted):
                return
            time.sleep(0.02)
        missing = [w for w in wanted if w not in self.lines(describe)]
        fail(f"never heard {missing}; heard {self.lines(describe)}")

    def lines(self, describe):
        return [line for line in (describe(*h) for h in self.heard) if line]

    def clear(self):
        self.heard.clear()

    def close(self):
        for kind in self.types:
            self.listener.deregister(kind)


def box_text(box):
    return box.get_text(0, box.get_character_count())


def check_keypad(main_window, deadline):
    box = named(main_window, "Input 1", (Atspi.Role.TEXT,))
    recorder = Recorder("object:text-changed")

    def describe(kind, offset, data, source):
        if source is not None and source.get_name() == "Input 1":
            return f"{kind.split(':')[-1]} {data!r} at {offset}"
        return None

    press(main_window, "Clear")
    while box_text(box) and time.monotonic() < deadline:
        time.sleep(0.05)
    if box_text(box):
        fail(f"Clear left Input 1 reading {box_text(box)!r}")
    recorder.wait_for([], deadline, describe)
    recorder.clear()
    press(main_window, "1")  # the first keypad's: Input 1
    press(main_window, "2")
    wanted = ["insert '1' at 0", "insert '2' at 1"]
    recorder.wait_for(wanted, deadline, describe)
    if recorder.lines(describe) != wanted:
        fail(f"pressing 1 and 2 on Input 1 was heard as {recorder.lines(describe)}, not {wanted}")
    recorder.clear()
    press(main_window, "Clear")
    recorder.wait_for(["delete '12' at 0"], deadline, describe)
    recorder.close()
    print("ok: keypad digits pressed by their action are heard one character at a time, "
          "at the end of the box; Clear removes the text")


def check_language(about, deadline):
    warnings = {}
    for node in descendants(about):
        if node.get_role() == Atspi.Role.IMAGE:
            warnings[node.get_description()] = node
        elif node.get_name().startswith("Warning") and node.get_role() != Atspi.Role.RADIO_BUTTON:
            warnings["Warning in English"] = node
    radios = {n.get_name(): n for n in descendants(about) if n.get_role() == Atspi.Role.RADIO_BUTTON}
    if sorted(radios) != ["Bengali Language", "Chinese Language", "English Language"]:
        fail(f"About's radio buttons are {sorted(radios)}")
    names = {}
    for label, node in list(warnings.items()) + list(radios.items()):
        names[node.get_name() + "|" + (node.get_description() or "")] = label

    def describe(kind, detail, data, source):
        if source is None:
            return None
        label = names.get(source.get_name() + "|" + (source.get_description() or ""))
        state = kind.split(":")[-1]
        if label is None or state not in ("showing", "visible", "checked"):
            return None
        return f"{label} {state} {detail}"

    def checked():
        return [name for name, node in sorted(radios.items())
                if node.get_state_set().contains(Atspi.StateType.CHECKED)]

    if len(checked()) != 1:
        fail(f"About has {checked()} checked, not one language")
    # From English, whatever was chosen before.
    press(about, "English Language")
    while checked() != ["English Language"] and time.monotonic() < deadline:
        time.sleep(0.05)
    recorder = Recorder("object:state-changed")
    recorder.wait_for([], deadline, describe)
    for choice, shown, hidden, before in (
            ("Chinese Language", "Warning in Chinese", "Warning in English", "English Language"),
            ("Bengali Language", "Warning in Bengali", "Warning in Chinese", "Chinese Language"),
            ("English Language", "Warning in English", "Warning in Bengali", "Bengali Language")):
        recorder.clear()
        press(about, choice)
        wanted = [f"{shown} showing 1", f"{shown} visible 1", f"{hidden} showing 0",
                  f"{hidden} visible 0", f"{choice} checked 1", f"{before} checked 0"]
        recorder.wait_for(wanted, deadline, describe)
        if sorted(recorder.lines(describe)) != sorted(wanted):
            fail(f"choosing {choice} was heard as {recorder.lines(describe)}")
        if checked() != [choice]:
            fail(f"after choosing {choice}, {checked()} are checked")
    recorder.close()
    print("ok: each language choice changes showing and visible together for the warning "
          "shown and the one hidden, and moves the checked state to the choice")


def check_dialog(frame, expected):
    if frame.get_role() != Atspi.Role.DIALOG:
        fail(f"{frame.get_name()} is a {frame.get_role_name()}, not a dialog")
    description = frame.get_description()
    if description != "\n".join(expected):
        fail(f"{frame.get_name()} is described as {description!r}, not its text {expected}")


def main():
    expected = card_texts(sys.argv[1])
    deadline = time.monotonic() + 40
    main_window = window("Velkorn Calculator", deadline)
    if main_window.get_role() != Atspi.Role.FRAME:
        fail(f"the main window is a {main_window.get_role_name()}, not a frame")
    check_keypad(main_window, deadline)
    press(main_window, "Help")
    check_dialog(window("Help", deadline), expected["Help"])
    press(main_window, "About")
    about = window("About", deadline)
    check_language(about, deadline)
    # A new language is announced, and the dialog's new description (its
    # text) is not: a screen reader would read the whole card again.
    recorder = Recorder("object:property-change:accessible-description",
                        "object:state-changed:showing")

    def describe(kind, detail, data, source):
        if source is None:
            return None
        if source.get_role() == Atspi.Role.DIALOG:
            return "new description"
        if source.get_role() == Atspi.Role.NOTIFICATION and detail == 1:
            return f"notification {source.get_name()}"
        return None

    press(about, "Chinese Language")
    recorder.wait_for(["notification Chinese Language checked"], deadline, describe)
    if recorder.lines(describe) != ["notification Chinese Language checked"]:
        fail(f"choosing Chinese was heard as {recorder.lines(describe)}, not as one "
             "announcement")
    recorder.close()
    check_dialog(about, expected["About"])
    press(about, "English Language")
    print("ok: Help and About are dialogs described by the text they show; a new language "
          "is announced, not the whole card")


if __name__ == "__main__":
    main()
