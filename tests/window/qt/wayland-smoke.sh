#!/usr/bin/env bash
# The game under a Wayland compositor, where a client cannot place its windows: it starts,
# shows one top-level window with its caption, and stays alive. Skips (77) where weston or
# Qt's Wayland plugin is missing or the compositor cannot start.
set -euo pipefail
game=$(realpath "$1")
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "SKIP: qt6-wayland is not installed"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
cleanup() {
    [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "${weston_pid:-}" ] && kill "$weston_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A home of the run's own: nothing the game writes reaches the tester's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work WAYLAND_DISPLAY=scaffle-test
mkdir -p "$HOME"
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$work/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$work/$WAYLAND_DISPLAY" ] || { echo "SKIP: weston did not start"; cat "$work/weston.log"; exit 77; }

mkdir -p "$work/C:"
printf 'Test\r\nOTTER\r\n' >"$work/C:/scaffle.scf"
(cd "$work" && QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client exec "$game") 2>"$work/client.log" &
game_pid=$!
title='set_title("Scaffle! Category: Test")'
for _ in $(seq 100); do grep -qF "$title" "$work/client.log" && break; sleep 0.1; done
grep -qF "$title" "$work/client.log" || fail "no window titled 'Scaffle! Category: Test'"
sleep 2
kill -0 "$game_pid" 2>/dev/null || fail "the game ended under the compositor"
toplevels=$(grep -c 'get_toplevel(' "$work/client.log" || true)
[ "$toplevels" = 1 ] || fail "the game made $toplevels top-level windows, not one"
echo "PASS: one window, titled as designed, alive under a Wayland compositor"
