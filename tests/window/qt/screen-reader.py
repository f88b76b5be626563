"""Reads the game's window as a screen reader does, through AT-SPI: checks what the round's
start tells, presses letters by their accessible action, checks what the labels and the
drawing then say, what the game told the screen reader after each guess, that a letter
pressed again changes nothing, and that news does not stay once the focus moves on."""
import sys
import time

import pyatspi
from gi.repository import GLib


def controls(application):
    found = {}
    pending = [application]
    while pending:
        node = pending.pop()
        found.setdefault(node.getRoleName(), []).append(node)
        pending.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return found


def find_game(name, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.1)
    sys.exit(f"FAIL: no application named {name} on the accessibility bus")


def press(found, letter):
    """Presses the letter's button, if it is there to press: a guessed one is not."""
    button = next((b for b in found["push button"] if b.name == letter), None)
    try:
        button.queryAction().doAction(0)
    except (AttributeError, GLib.GError):
        pass


def expect(what, got, wanted):
    if got != wanted:
        sys.exit(f"FAIL: {what} reads {got!r}, expected {wanted!r}")


def letter(found, name):
    return next(b for b in found["push button"] if b.name == name)


game = find_game(sys.argv[1])
told = []

def description_of(name, wanted, seconds=10):
    """The letter's description once it is the one wanted, or as it is when time runs out."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            description = letter(controls(game), name).description
        except (StopIteration, KeyError, GLib.GError):
            description = None
        if description == wanted or time.monotonic() > deadline:
            return description
        time.sleep(0.1)


expect("what the start told", description_of("A", "5 letters. Wins: 0"), "5 letters. Wins: 0")


def on_description_changed(event):
    # What the letter with the focus is told: a screen reader speaks the focus's changes.
    if event.source.getRoleName() == "push button" and event.source.description:
        told.append(event.source.description)


# Each step presses letters, then waits for what the game tells before the next.
steps = [["T"], ["Z"], ["T", "Z"]]
heard = []


def next_step():
    heard.append(list(told))
    told.clear()
    if len(heard) > len(steps):
        pyatspi.Registry.stop()
        return False
    for name in steps[len(heard) - 1]:
        press(controls(game), name)
    return True


pyatspi.Registry.registerEventListener(
    on_description_changed, "object:property-change:accessible-description")
GLib.timeout_add(500, next_step)
GLib.timeout_add(10000, pyatspi.Registry.stop)
pyatspi.Registry.start()

expect("what a right letter told", heard[1], ["blank, T, T, blank, blank"])
expect("what a miss told", heard[2], ["1 of 9 pieces shown"])
expect("what letters pressed again told", heard[3], [])
found = controls(game)
expect("the labels", sorted(label.name for label in found["label"]), ["Wins: 0", "blank, T, T, blank, blank"])
expect("the gallows", found["image"][0].description, "1 of 9 pieces shown")
# The news stays with A, which has the focus, only until the focus moves on.
letter(found, "B").queryComponent().grabFocus()
expect("A once the focus moved on", description_of("A", ""), "")
print(f"PASS: after T a screen reader is told {heard[1]}, after Z {heard[2]}, "
      "and a letter pressed again changes nothing")
