# Shared by the real-window tests: a private Xvfb with a window manager, as on a player's
# desktop, the game in a folder of its own, and ways to find windows, click letters, answer
# message boxes and read pixels.
# Sourcing scripts set: game (the executable). Every wait is bounded.
set -euo pipefail
for tool in Xvfb openbox xdotool xwininfo xprop import convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
    [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "${openbox_pid:-}" ] && kill "$openbox_pid" 2>/dev/null || true
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
mkdir -p "$work/C:"
# A home of the run's own: nothing the game or the desktop writes reaches the tester's.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" && mkdir -m 0700 "$XDG_RUNTIME_DIR"

# A frame changes what positions mean: every player's windows have one.
openbox >"$work/openbox.log" 2>&1 &
openbox_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
    { echo "SKIP: openbox did not start"; cat "$work/openbox.log"; exit 77; }

fail() { echo "FAIL: $*" >&2; import -window root /tmp/fail.png 2>/dev/null; exit 1; }

# Waits up to ten seconds for a shown window whose whole name is $1, and prints its id.
window_named() {
    local id
    for _ in $(seq 1000); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.01
    done
    fail "no window named '$1'"
}

# Waits up to five seconds for the window $1 to be the active one again, as after a dialog.
window_active() {
    for _ in $(seq 500); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return
        sleep 0.01
    done
    fail "window $1 is not active again"
}

# Waits up to ten seconds for every shown window named $1 to go.
window_gone() {
    for _ in $(seq 1000); do
        [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] && return
        sleep 0.01
    done
    fail "the window named '$1' is still there"
}

# The corner and size of the frame the window manager put around window $1: "x,y wxh".
frame_of() {
    local parent
    parent=$(xwininfo -tree -id "$1" | awk '/Parent window id/{print $4}')
    xwininfo -id "$parent" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x "," y " " w "x" h}'
}

# Finds the game's window named $1 and the place of its client area.
find_game() {
    form=$(window_named "$1")
    eval "$(xwininfo -id "$form" | awk '/Absolute upper-left X/{print "left="$4} /Absolute upper-left Y/{print "wy="$4} /Width:/{print "width="$2} /Height:/{print "height="$2}')"
    [ "$width" = 311 ] || fail "the window is $width pixels wide, not 311"
    top=$((wy + height - 220))  # the client area lies under the menu bar
}

# Starts the game, with any further arguments given to it, and finds its window named $1.
start_game() {
    (cd "$work" && exec "$game" "${@:2}") &
    game_pid=$!
    find_game "$1"
}

# The colours at points "x,y" of the client area, as r,g,b one a line.
pixels() {
    import -window root "$work/shot.png"
    local format="" point x y
    for point in "$@"; do
        x=$((left + ${point%,*})) y=$((top + ${point#*,}))
        format+="%[fx:round(255*p{$x,$y}.r)],%[fx:round(255*p{$x,$y}.g)],%[fx:round(255*p{$x,$y}.b)]\n"
    done
    convert "$work/shot.png" -format "$format" info:
}

expect_pixel() {
    local got
    got=$(pixels "$1,$2")
    [ "$got" = "$3" ] || fail "pixel ($1, $2) is $got, expected $3 ($4)"
}

yellow=255,255,0 white=255,255,255 orange=255,128,0

# Waits up to five seconds for the point $1,$2 to take the colour $3 ($4 says what it is).
wait_pixel() {
    for _ in $(seq 50); do
        [ "$(pixels "$1,$2")" = "$3" ] && return
        sleep 0.1
    done
    fail "pixel ($1, $2) is $(pixels "$1,$2"), expected $3 ($4)"
}

# The top-left corner of letter button $1, in pixels of the client area.
letter_place() {
    local index=$(($(printf '%d' "'$1") - 65)) row_start=(0 8 15 21) row_left=(111 123 136 148)
    local row=3
    while [ "$index" -lt "${row_start[$row]}" ]; do row=$((row - 1)); done
    echo "$((row_left[row] + 25 * (index - row_start[row]))),$((25 * row))"
}

click() {
    local place
    place=$(letter_place "$1")
    xdotool mousemove $((left + ${place%,*} + 4)) $((top + ${place#*,} + 4)) click 1
    sleep 0.05
}

# Clicks letter $1 until its button is gone: right after a modal dialog closes, the window
# may not take a click yet.
click_until_gone() {
    local place
    place=$(letter_place "$1")
    for _ in $(seq 10); do
        click "$1"
        for _ in $(seq 5); do
            [ "$(pixels "$((${place%,*} + 2)),$((${place#*,} + 2))")" = "$white" ] && return
            sleep 0.1
        done
    done
    fail "letter $1 does not take a click"
}

# Presses Space where the focus is, and waits for letter $1 to go: the focus was on it ($2
# says after what).
space_takes() {
    local place
    place=$(letter_place "$1")
    xdotool key space
    wait_pixel $((${place%,*} + 2)) $((${place#*,} + 2)) "$white" "Space taking $1 $2"
}

# Closes the message box titled $1 with the key $2.
answer() {
    local box
    box=$(window_named "$1")
    xdotool windowfocus --sync "$box" key "$2"
}

# Closes the win box with Return while grabbing the screen as fast as it can, and requires of
# every frame that the window shows the old board or the new one: never fewer letters than the
# old board, never a masked word or a tally of neither round. The box is moved off the window
# first, so that the old board is seen whole.
win_box_closes_in_one_repaint() {
    local box frames=$work/frames
    box=$(window_named "Winner!")
    xdotool windowmove --sync "$box" $((left + 330)) "$top"
    sleep 0.5  # what the box covered painted again
    mkdir -p "$frames"
    import -window root "$frames/old.ppm"
    (for i in $(seq 40); do import -window root "$frames/$i.ppm"; done) &
    local grabber=$!
    xdotool windowfocus --sync "$box" key Return
    wait "$grabber"
    window_gone "Winner!"
    wait_pixel 113 2 "$yellow" "button A back after the reload"
    import -window root "$frames/new.ppm"
    # The keyboard, Label1 and WinTotal, on the screen.
    local keys=200x100+$((left + 111))+$top label=297x33+$((left + 8))+$((top + 184))
    local tally=137x25+$((left + 152))+$((top + 144))
    region() { convert "$frames/$1.ppm" -crop "$2" +repage "$frames/$1-$3.ppm"; }
    yellow_in() {
        convert "$frames/$1.ppm" -crop "$keys" +repage -fx 'r>0.9 && g>0.9 && b<0.1' \
            -format '%[fx:round(mean*w*h)]' info:
    }
    same() { [ "$(compare -metric AE "$frames/$1" "$frames/$2" null: 2>&1)" = 0 ]; }
    local old_yellow frame
    old_yellow=$(yellow_in old)
    for frame in old new; do region "$frame" "$label" label; region "$frame" "$tally" tally; done
    for frame in $(seq 40); do
        # The focus mark coming back takes less yellow than a fifth of a key.
        [ "$(yellow_in "$frame")" -ge $((old_yellow - 100)) ] ||
            fail "frame $frame of the reload shows fewer letters than the old board"
        region "$frame" "$label" label
        region "$frame" "$tally" tally
        same "$frame-label.ppm" old-label.ppm || same "$frame-label.ppm" new-label.ppm ||
            fail "frame $frame of the reload shows a masked word of neither round"
        same "$frame-tally.ppm" old-tally.ppm || same "$frame-tally.ppm" new-tally.ppm ||
            fail "frame $frame of the reload shows a tally of neither round"
    done
    rm -rf "$frames"
}

# Opens the word file $1 through File, Open Scaffle Word File, typing its path with $2
# milliseconds between keys (xdotool's 12 unless told).
open_word_file() {
    xdotool windowfocus --sync "$form" key ctrl+o
    local dialog
    dialog=$(window_named "Open")
    sleep 0.1  # the dialog's completer takes keys typed the moment it appears
    xdotool windowfocus --sync "$dialog" type --delay "${2:-12}" "$1"
    xdotool key Return
    window_gone "Open"
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
