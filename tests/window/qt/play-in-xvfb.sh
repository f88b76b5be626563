#!/usr/bin/env bash
# Plays the real game in a real X server under a window manager, with the mouse: a miss, a
# win and its reload, 25 wins in a row in the one window that never moves, a word file
# opened, a loss that ends the program with nothing written, and Ctrl+X. Exits 77 (skipped) only where Xvfb or
# openbox cannot start.
game=$(realpath "$1")
source "$(dirname "$0")/../../support/xvfb-lib.sh"

printf 'Test\r\nOTTER\r\n' >"$work/C:/scaffle.scf"
start_game "Scaffle! Category: Test"
window=$form
frame=$(frame_of "$form")

wait_pixel 253 80 $yellow "button Z"
expect_pixel 104 72 $white "no post yet"
click Z
expect_pixel 253 80 $white "button Z hidden after its guess"
expect_pixel 104 72 $orange "the post, shown by the first miss"

for letter in O T E R; do click "$letter"; done
win_box_closes_in_one_repaint
wait_pixel 253 80 $yellow "button Z back after the reload"
expect_pixel 104 72 $white "the post gone after the reload"
expect_pixel 90 176 $orange "the base, always shown"

# Win after win: the same window, its frame exactly where it was.
printf 'Test\r\nA\r\n' >"$work/one.scf"
open_word_file "$work/one.scf"
for win in $(seq 25); do
    click_until_gone A
    box=$(window_named "Winner!")
    if ((win == 1)); then
        # A click that comes as the box closes must not reach the finished round, where a
        # miss would count a second win.
        place=$(letter_place B)
        xdotool windowfocus --sync "$box" key Return \
            mousemove $((left + ${place%,*} + 4)) $((top + ${place#*,} + 4)) click 1
        for _ in $(seq 20); do
            [ -z "$(xdotool search --onlyvisible --name '^Winner!$' 2>/dev/null)" ] ||
                fail "a click as the win box closed counted a second win"
            sleep 0.05
        done
    else
        xdotool windowfocus --sync "$box" key Return
    fi
    wait_pixel 113 2 $yellow "button A back after win $win"
    find_game "Scaffle! Category: Test"
    [ "$form" = "$window" ] || fail "win $win made a new window ($form, was $window)"
    [ "$(frame_of "$form")" = "$frame" ] ||
        fail "the frame is at $(frame_of "$form") after win $win, was at $frame"
done
echo "frame after 25 wins: $(frame_of "$form") (at the start: $frame)"

printf 'Test\r\nOTTER\r\n' >"$work/other.scf"
click Z
open_word_file "$work/other.scf"
wait_pixel 253 80 $yellow "button Z back, the board cleared by the open command"
# The arrows move the focus, and the letter that had it has it again after About.
xdotool windowfocus --sync "$form" key Home Right Down ctrl+a
answer "About Scaffle!" Return
space_takes J "after About"

click_until_gone A
for letter in B C D F G H I; do click "$letter"; done
answer "Try Again!" Return
expect_end "the loss"
# The open dialog was used twice; the game writes nothing, Qt's shared settings included.
written=$(find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -type f 2>/dev/null | grep -v '/openbox/' || true)
[ -z "$written" ] || fail "the game wrote into the player's folders: $written"

# The game has no command line: Qt's own options are not taken either.
start_game "Scaffle! Category: Test" -platform offscreen -reverse --help
expect_pixel 116 6 $yellow "button A, where it always stands"
xdotool windowfocus --sync "$form" key ctrl+x
expect_end "Ctrl+X"
echo "PASS: a miss, 26 wins in one unmoving window, a loss and Ctrl+X, in a real window"
