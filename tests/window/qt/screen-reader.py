"""Reads the game's window as a screen reader does, through AT-SPI: presses letters by their
accessible action and checks what the labels and the drawing then say."""
import sys
import time

import pyatspi


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
    button = next(b for b in found["push button"] if b.name == letter)
    button.queryAction().doAction(0)


def expect(what, got, wanted):
    if got != wanted:
        sys.exit(f"FAIL: {what} reads {got!r}, expected {wanted!r}")


game = find_game(sys.argv[1])
press(controls(game), "T")
press(controls(game), "Z")
time.sleep(0.3)
found = controls(game)
expect("the labels", sorted(label.name for label in found["label"]), ["Wins: 0", "_ T T _ _"])
expect("the gallows", found["image"][0].description, "1 of 9 pieces shown")
print("PASS: a screen reader reads the masked word, the tally and the gallows")
