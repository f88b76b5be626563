#!/usr/bin/env bash
# The Windows program's first display under Wine: no part of the window reaches the screen
# apart from the rest. Wine logs each time it puts a window's pixels on the X server
# ("flushing ... bounds (l,t)-(r,b)"); from the start until the game waits for the player, each
# must be the whole window. A control's own paint, put there alone in the moment the window is
# mapped, shows as that control on a window not yet painted. WINEPREFIX must name a prefix of
# the test run's own.
source "$(dirname "$0")/../../support/xvfb-lib.sh"
source "$(dirname "$0")/../../support/wine-lib.sh"
windows_game "$1"
printf 'Test\r\nOTTER\r\n' >"$WINEPREFIX/drive_c/scaffle.scf"
trace=$work/trace.txt
(cd "$work" && WINEDEBUG=+bitblt,+event exec "$game" 2>"$trace") &
game_pid=$!
find_game "Scaffle! Category: Test"
sleep 1

# The game's own thread is the one that is told its window was exposed.
thread=$(grep -m1 -o '^[0-9a-f]*:trace:event:X11DRV_Expose' "$trace" | cut -d: -f1 || true)
[ -n "$thread" ] || { echo "SKIP: this Wine does not log its window exposures"; exit 77; }
puts=$(awk -v thread="$thread:" 'index($0, thread) == 1 && /x11drv_surface_flush flushing/ {
    match($0, /bounds \([^)]*\)-\([^)]*\)/); print substr($0, RSTART + 7, RLENGTH - 7) }' "$trace")
[ -n "$puts" ] || { echo "SKIP: this Wine does not log what it puts on the screen"; exit 77; }
whole=$(head -n1 <<<"$puts")
[ "$(sort -u <<<"$puts")" = "$whole" ] && [[ $whole == "(0,0)-"* ]] ||
    fail "the first display reached the screen in parts: $(tr '\n' ' ' <<<"$puts")"
echo "PASS: the first display reached the screen whole, $whole, in $(wc -l <<<"$puts") put(s)"
