# Sourced after xvfb-lib.sh: a desktop session's bus with its accessibility bus, as a screen
# reader's player has, gone with the run.
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && command -v dbus-daemon >/dev/null && /usr/bin/python3 -c 'import pyatspi' ||
    { echo "SKIP: at-spi2-core, dbus or python3-pyatspi is not installed"; exit 77; }

DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 3>"$work/dbus.pid")
export DBUS_SESSION_BUS_ADDRESS
stop_bus() { kill "$launcher_pid" "$(cat "$work/dbus.pid")" 2>/dev/null || true; cleanup; }
trap stop_bus EXIT
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!
