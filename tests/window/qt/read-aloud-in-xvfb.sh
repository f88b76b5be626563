#!/usr/bin/env bash
# The real game as a screen reader meets it: the accessibility bus of a desktop session,
# the game on it, and what it says after a guess and a miss.
game=$(realpath "$1")
source "$(dirname "$0")/../../support/xvfb-lib.sh"
source "$(dirname "$0")/accessibility-bus.sh"

printf 'Test\r\nOTTER\r\n' >"$work/C:/scaffle.scf"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game "Scaffle! Category: Test"
timeout 30 /usr/bin/python3 "$(dirname "$0")/screen-reader.py" scaffle

# After a word file is opened, the window is active again on the bus, a letter has the focus,
# and it tells the new category.
printf 'Birds\r\nWREN\r\n' >"$work/birds.scf"
open_word_file "$work/birds.scf"
timeout 30 /usr/bin/python3 - scaffle <<'PYTHON' || fail "the window after an open: see above"
import sys, time
import pyatspi
deadline = time.monotonic() + 10
while True:
    frames = [app.getChildAtIndex(i) for app in pyatspi.Registry.getDesktop(0)
              if app is not None and app.name == sys.argv[1] for i in range(app.childCount)]
    frame = next((f for f in frames if f.name == "Scaffle! Category: Birds"), None)
    found, pending = [], [frame] if frame else []
    while pending:
        node = pending.pop()
        found.append(node)
        pending.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    focused = [n for n in found if n.getState().contains(pyatspi.STATE_FOCUSED)]
    told = focused[0].description if focused else ""
    if frame and frame.getState().contains(pyatspi.STATE_ACTIVE) and "Birds" in told:
        print(f"PASS: after an open the window is active and {focused[0].name} tells {told!r}")
        break
    if time.monotonic() > deadline:
        sys.exit(f"FAIL: after an open: frame {frame}, focus {[n.name for n in focused]}, told {told!r}")
    time.sleep(0.1)
PYTHON
