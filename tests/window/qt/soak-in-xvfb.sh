#!/usr/bin/env bash
# A long evening of play in a real window: win after win of a one-word file, each win a
# reload, with a word file opened and an open dialog cancelled along the way. After every
# reload the board must be the design's, and 300 reloads must not grow the game's memory.
game=$(realpath "$1")
reloads=${2:-300}
source "$(dirname "$0")/../../support/xvfb-lib.sh"

printf 'Soak\r\nA\r\n' >"$work/C:/scaffle.scf"
printf 'Soak\r\nA\r\n' >"$work/other.scf"
caption="Scaffle! Category: Soak"
start_game "$caption"

# Every letter's face, a point of each of the nine pieces, and the base.
points=()
for letter in {A..Z}; do
    place=$(letter_place "$letter")
    points+=("$((${place%,*} + 2)),$((${place#*,} + 2))")
done
points+=(104,72 76,8 48,16 48,30 48,60 60,112 36,112 60,68 36,68 90,176)
expected=$(printf "$yellow\n%.0s" {1..26}; printf "$white\n%.0s" {1..9}; echo $orange)

resident() { awk '/VmRSS/{print $2}' "/proc/$game_pid/status"; }

# The open dialog is used early: its first showing costs a few MiB once, and the memory
# measured from reload 20 on is the reloads' alone.
for ((round = 1; round <= reloads; round++)); do
    if ((round == 10)); then
        click Z
        open_word_file "$work/other.scf"
        wait_pixel 253 80 $yellow "button Z back, the board cleared by the open command"
    fi
    if ((round == 15)); then
        xdotool windowfocus --sync "$form" key ctrl+o
        answer "Open" Escape
        window_gone "Open"
        click_until_gone Z  # the round goes on after the cancel: a miss
    fi
    click A
    answer "Winner!" Return
    kill -0 "$game_pid" 2>/dev/null || fail "the game died at reload $round"
    # The reload runs once the box is gone; within five seconds the board is the design's.
    for _ in $(seq 50); do
        board=$(pixels "${points[@]}")
        [ "$board" = "$expected" ] && break
        sleep 0.1
    done
    [ "$board" = "$expected" ] || fail "the board after reload $round is not the design's"
    if ((round == 20)); then
        after20=$(resident)
    fi
done
after=$(resident)
growth=$((after - after20))
echo "resident memory: ${after20} KiB after 20 reloads, ${after} KiB after $reloads (${growth} KiB more)"
# AddressSanitizer holds freed memory back on purpose; the bound is for the plain build.
if [ -z "${ASAN_OPTIONS:-}" ]; then
    ((growth <= 5 * 1024)) || fail "memory grew by ${growth} KiB over $((reloads - 20)) reloads"
fi
echo "PASS: $reloads reloads in a real window"
