#!/usr/bin/env bash
# Plays the real game in a real X server with the mouse: a miss, a win and its reload,
# then a loss that ends the program. Exits 77 (skipped) only where Xvfb cannot start.
set -euo pipefail
game=$(realpath "$1")
for tool in Xvfb xdotool xwininfo convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# -displayfd picks a free display and tells us which.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "SKIP: Xvfb did not start"; cat "$work/xvfb.log"; exit 77; }
export DISPLAY=":$(head -n1 "$work/display")"

fail() { echo "FAIL: $*"; exit 1; }

# Waits up to ten seconds for a window whose whole name is $1 and prints its id.
window_named() {
    for _ in $(seq 1000); do
        for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
            xwininfo -id "$id" | grep -q 'Map State: IsViewable' && { echo "$id"; return; }
        done
        sleep 0.01
    done
    fail "no window named '$1'"
}

# The colour at a point of the client area, as r,g,b.
pixel() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -format \
        "%[fx:round(255*p{$((left + $1)),$((top + $2))}.r)],%[fx:round(255*p{$((left + $1)),$((top + $2))}.g)],%[fx:round(255*p{$((left + $1)),$((top + $2))}.b)]" info:
}

expect_pixel() {
    local got
    got=$(pixel "$1" "$2")
    [ "$got" = "$3" ] || fail "pixel ($1, $2) is $got, expected $3 ($4)"
}

# Letter buttons at their design places, in pixels of the client area.
declare -A letter_x=([A]=111 [B]=136 [C]=161 [D]=186 [E]=211 [F]=236 [G]=261 [H]=286
    [I]=123 [J]=148 [O]=273 [R]=186 [T]=236 [Z]=248)
declare -A letter_y=([A]=0 [B]=0 [C]=0 [D]=0 [E]=0 [F]=0 [G]=0 [H]=0
    [I]=25 [J]=25 [O]=25 [R]=50 [T]=50 [Z]=75)
click() {
    xdotool mousemove $((left + letter_x[$1] + 4)) $((top + letter_y[$1] + 4)) click 1
    sleep 0.1
}

# Closes the message box titled $1 with the key $2.
answer() {
    local box
    box=$(window_named "$1")
    xdotool windowfocus --sync "$box" key "$2"
}

# Waits up to five seconds for the game to end, and checks how it ended.
expect_end() {
    for _ in $(seq 500); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.01; done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after $1"
    local status=0
    wait "$game_pid" || status=$?
    game_pid=
    [ "$status" = 0 ] || fail "the game ended with status $status after $1"
}

start_game() {
    (cd "$work" && exec "$game") &
    game_pid=$!
    find_game
}

find_game() {
    form=$(window_named "Scaffle! Category: Test")
    eval "$(xwininfo -id "$form" | awk '/Absolute upper-left X/{print "left="$4} /Absolute upper-left Y/{print "wy="$4} /Width:/{print "width="$2} /Height:/{print "height="$2}')"
    [ "$width" = 311 ] || fail "the window is $width pixels wide, not 311"
    top=$((wy + height - 220))  # the client area lies under the menu bar
}

mkdir -p "$work/C:"
printf 'Test\r\nOTTER\r\n' >"$work/C:/scaffle.scf"
start_game

yellow=255,255,0 white=255,255,255 orange=255,128,0
expect_pixel 253 80 $yellow "button Z"
expect_pixel 104 72 $white "no post yet"
click Z
expect_pixel 253 80 $white "button Z hidden after its guess"
expect_pixel 104 72 $orange "the post, shown by the first miss"

for letter in O T E R; do click "$letter"; done
answer "Winner!" Escape
sleep 0.3
find_game
expect_pixel 253 80 $yellow "button Z back after the reload"
expect_pixel 104 72 $white "the post gone after the reload"
expect_pixel 90 176 $orange "the base, always shown"

for letter in A B C D F G H I J; do click "$letter"; done
answer "Try Again!" Return
expect_end "the loss"

start_game
xdotool windowfocus --sync "$form" key ctrl+x
expect_end "Ctrl+X"
echo "PASS: a miss, a win with its reload, a loss and Ctrl+X, in a real window"
