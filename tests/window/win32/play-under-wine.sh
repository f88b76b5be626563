#!/usr/bin/env bash
# Plays the Windows program under Wine in a real X server with a window manager: the default
# word file in the root of drive C:, five wins in a row in one window that never moves, the
# open dialog with a typed path and with Escape, About, the arrows, the focus kept through
# every box, a refused default file that gives the built-in list after its box, a loss that
# ends the program, and Ctrl+X. WINEPREFIX must
# name a prefix of the test run's own. Screenshots of each step go to $2 when given.
shots=${2:-}
source "$(dirname "$0")/../../support/xvfb-lib.sh"
source "$(dirname "$0")/../../support/wine-lib.sh"
windows_game "$1"
drive_c=$WINEPREFIX/drive_c

shot() { [ -z "$shots" ] || import -window root "$shots/$1.png"; }
# Wine's boxes: the window manager may not give them the focus, so it is given.
answer_box() { xdotool windowfocus --sync "$(window_named "$1")" key "$2"; }
windows_path() { echo "Z:$1" | tr / '\\'; }
# Types a path into Windows' open dialog, or presses Escape there when given none.
open_dialog() {
    xdotool windowfocus --sync "$form" key ctrl+o
    local dialog
    dialog=$(window_named "Open")
    shot "open-dialog"
    if [ -n "${1:-}" ]; then
        xdotool windowfocus --sync "$dialog" type "$(windows_path "$1")"
        xdotool key Return
    else
        xdotool windowfocus --sync "$dialog" key Escape
    fi
    window_gone "Open"
    window_active "$form"
}

printf 'Test\r\nOTTER\r\n' >"$drive_c/scaffle.scf"
start_game "Scaffle! Category: Test"
window=$form
frame=$(frame_of "$form")
shot "start"
wait_pixel 253 80 $yellow "button Z"
# A typed letter guesses nothing; Space presses the letter with the focus, A at the start.
xdotool windowfocus --sync "$form" key t
sleep 0.3
expect_pixel 238 55 $yellow "button T, after T was typed"
xdotool key space
wait_pixel 113 2 $white "button A hidden after Space pressed it"
expect_pixel 104 72 $orange "the post, shown by the first miss"
shot "first-miss"

for win in $(seq 5); do
    for letter in O T E R; do click_until_gone "$letter"; done
    if [ "$win" = 2 ]; then
        win_box_closes_in_one_repaint
    else
        [ "$win" = 1 ] && shot "win-box"
        answer_box "Winner!" Return
    fi
    wait_pixel 253 80 $yellow "button Z back after win $win"
    find_game "Scaffle! Category: Test"
    [ "$form" = "$window" ] || fail "win $win made a new window ($form, was $window)"
    [ "$(frame_of "$form")" = "$frame" ] ||
        fail "the frame is at $(frame_of "$form") after win $win, was at $frame"
done
expect_pixel 104 72 $white "the post gone after the reload"
shot "after-five-wins"

click Z
open_dialog ""
expect_pixel 253 80 $white "the round goes on after a cancelled open"
printf 'Birds\r\nWREN\r\n' >"$work/birds.scf"
open_dialog "$work/birds.scf"
find_game "Scaffle! Category: Birds"
wait_pixel 253 80 $yellow "button Z back, the board cleared by the open command"
shot "birds"

# The arrows and Home move the focus; the letter that had it has it again after About and a
# cancelled open.
xdotool windowfocus --sync "$form" key Home Right Down
xdotool key ctrl+a
answer_box "About Scaffle!" Return
window_gone "About Scaffle!"
space_takes J "after About"
open_dialog ""
space_takes K "after a cancelled open"

for letter in A B C D F G; do click_until_gone "$letter"; done
click H
shot "loss-box"
answer_box "Try Again!" Return
expect_end "the loss"

# A default file that cannot give a round: told of, then the built-in animals.
: >"$drive_c/scaffle.scf"
(cd "$work" && exec "$game") &
game_pid=$!
: "$(window_named "Scaffle!")"  # called apart, its failed searches would end the script
[ -n "$(xdotool search --onlyvisible --name '^Scaffle! Category: Animals$')" ] ||
    fail "the box came before the window with the built-in round"
shot "refused-default"
answer_box "Scaffle!" Return
find_game "Scaffle! Category: Animals"
space_takes A "after the refusal's box"
shot "built-in"
xdotool windowfocus --sync "$form" key ctrl+x
expect_end "Ctrl+X"
echo "PASS: a miss, five wins in one unmoving window, the open dialog, About, a loss, the built-in list and Ctrl+X, under Wine"
