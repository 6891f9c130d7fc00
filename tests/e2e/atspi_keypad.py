#!/usr/bin/python3
"""Drives the calculator through the accessibility bus (AT-SPI), as a screen
reader user would: finds its picture buttons as push buttons by name,
performs their press action, hears the result announced (a notification
that shows, as screen readers speak it), and reads the boxes back. Writes
the three box texts, one a line, to the file given. Every wait has a
deadline."""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from atspi_support import application, descendants, fail  # noqa: E402


def main():
    deadline = time.monotonic() + 30
    calculator = application(deadline)
    # The window's controls appear once it is shown.
    while True:
        nodes = list(descendants(calculator))
        buttons = [n for n in nodes if n.get_role() == Atspi.Role.PUSH_BUTTON]
        boxes = {n.get_name(): n for n in nodes if n.get_role() == Atspi.Role.TEXT}
        if len(buttons) >= 27 and len(boxes) >= 3 or time.monotonic() > deadline:
            break
        time.sleep(0.1)

    def press(name, nth=0):
        matches = [b for b in buttons if b.get_name() == name]
        if len(matches) <= nth:
            roles = sorted({f"{n.get_role_name()} {n.get_name()!r}" for n in nodes})
            fail(f"no push button named {name!r} among {roles}")
        button = matches[nth]
        actions = [button.get_action_name(i) for i in range(button.get_n_actions())]
        if "Press" not in actions:
            fail(f"button {name!r} has no press action ({actions})")
        if button.get_state_set().contains(Atspi.StateType.FOCUSABLE):
            fail(f"button {name!r} takes keyboard focus")
        button.do_action(actions.index("Press"))

    # Met as a sighted user reads them: row by row, keypad by keypad.
    order = [b.get_name() for b in buttons]
    keypad = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0"]
    expected = keypad + keypad + ["Plus", "Minus", "Multiplication", "Division", "Clear",
                                  "About", "Help", "Time", "Exit Application"]
    if order != expected:
        fail(f"the push buttons come in the order {order}")

    heard = []

    def on_showing(event):
        source = event.source
        if event.detail1 and source is not None and source.get_role() == Atspi.Role.NOTIFICATION:
            heard.append(source.get_name())

    listener = Atspi.EventListener.new(on_showing)
    listener.register("object:state-changed:showing")

    # The keypads share faces: the first "1" and "2" feed Input 1, the
    # second "3" feeds Input 2.
    for name, nth in (("1", 0), ("2", 0), ("3", 1), ("Plus", 0)):
        press(name, nth)
    context = GLib.MainContext.default()
    deadline = time.monotonic() + 10
    while "Output 15" not in heard and time.monotonic() < deadline:
        context.iteration(False)
        time.sleep(0.02)
    # Input 1 has the focus, where a screen reader speaks the new digits
    # itself; the digit that went into Input 2 is announced, and the sum.
    if heard != ["Input 2 3", "Output 15"]:
        fail(f"after 1, 2, 3 and Plus the notifications heard were {heard},"
             " not 'Input 2 3' and 'Output 15'")
    listener.deregister("object:state-changed:showing")
    texts = []
    for name in ("Input 1", "Input 2", "Output"):
        if name not in boxes:
            fail(f"no text box named {name!r}")
        box = boxes[name]
        texts.append(box.get_text(0, box.get_character_count()))
    with open(sys.argv[1], "w", encoding="utf-8") as out:
        out.write("\n".join(texts) + "\n")


if __name__ == "__main__":
    main()
