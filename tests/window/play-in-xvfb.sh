#!/usr/bin/env bash
# Plays the real game in a real X server with the mouse: a miss, a win and its reload, a
# word file opened, a loss that ends the program, and Ctrl+X. Exits 77 (skipped) only where Xvfb cannot start.
game=$(realpath "$1")
source "$(dirname "$0")/xvfb-lib.sh"

printf 'Test\r\nOTTER\r\n' >"$work/C:/scaffle.scf"
start_game "Scaffle! Category: Test"

expect_pixel 253 80 $yellow "button Z"
expect_pixel 104 72 $white "no post yet"
click Z
expect_pixel 253 80 $white "button Z hidden after its guess"
expect_pixel 104 72 $orange "the post, shown by the first miss"

for letter in O T E R; do click "$letter"; done
answer "Winner!" Escape
find_game "Scaffle! Category: Test" "$form"
expect_pixel 253 80 $yellow "button Z back after the reload"
expect_pixel 104 72 $white "the post gone after the reload"
expect_pixel 90 176 $orange "the base, always shown"

printf 'Test\r\nOTTER\r\n' >"$work/other.scf"
click Z
open_word_file "$work/other.scf"
wait_pixel 253 80 $yellow "button Z back, the board cleared by the open command"

click_until_gone A
for letter in B C D F G H I J; do click "$letter"; done
answer "Try Again!" Return
expect_end "the loss"

start_game "Scaffle! Category: Test"
xdotool windowfocus --sync "$form" key ctrl+x
expect_end "Ctrl+X"
echo "PASS: a miss, a win with its reload, a loss and Ctrl+X, in a real window"
