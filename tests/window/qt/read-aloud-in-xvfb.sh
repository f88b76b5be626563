#!/usr/bin/env bash
# The real game as a screen reader meets it: the accessibility bus of a desktop session,
# the game on it, and what it says after a guess and a miss.
game=$(realpath "$1")
source "$(dirname "$0")/../../support/xvfb-lib.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import pyatspi' ||
    { echo "SKIP: at-spi2-core, dbus or python3-pyatspi is not installed"; exit 77; }

DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/dbus.pid")
export DBUS_SESSION_BUS_ADDRESS
stop_bus() { kill "$launcher_pid" "$(cat "$work/dbus.pid")" 2>/dev/null || true; cleanup; }
trap stop_bus EXIT
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!

printf 'Test\r\nOTTER\r\n' >"$work/C:/scaffle.scf"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game "Scaffle! Category: Test"
timeout 30 /usr/bin/python3 "$(dirname "$0")/screen-reader.py" scaffle
