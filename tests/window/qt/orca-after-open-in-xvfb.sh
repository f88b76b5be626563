#!/usr/bin/env bash
# Orca itself, as a blind player runs it, on the real game: after each of ten word files opened
# by the keyboard (Ctrl+O, the path typed at a player's pace, Return) it must say the new
# category and the letter that has the focus.
game=$(realpath "$1")
source "$(dirname "$0")/../../support/xvfb-lib.sh"
source "$(dirname "$0")/accessibility-bus.sh"
[ -x /usr/bin/orca ] || { echo "SKIP: orca is not installed"; exit 77; }
# Orca starts once a user: a tester's own, running, keeps the test's from starting.
if command -v pgrep >/dev/null && pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIP: an Orca of this user is running"
    exit 77
fi

# With no speech server Orca still logs each thing it would say; a handler of our own writes
# each one the moment it is said. No speech server is started for it: one that has no sound
# card to speak to can hold Orca up. No --replace: a tester's own Orca is left alone.
said=$work/said.log
touch "$said"
SPEECHD_CMD=/nonexistent /usr/bin/python3 - "$said" >"$work/orca.log" 2>&1 <<'PYTHON' &
import logging, runpy, sys
logging.getLogger("speech").addHandler(logging.FileHandler(sys.argv[1]))
sys.argv = ["orca"]
runpy.run_path("/usr/bin/orca", run_name="__main__")
PYTHON
orca_pid=$!
# Gone for good before the run ends, so that the next run's Orca does not find it still here.
stop_orca() { kill -KILL "$orca_pid" 2>/dev/null; wait "$orca_pid" 2>/dev/null || true; stop_bus; }
trap stop_orca EXIT
for _ in $(seq 100); do grep -q 'Screen reader on' "$said" && break; sleep 0.1; done
grep -q 'Screen reader on' "$said" || { cat "$work/orca.log"; fail "Orca did not start"; }

printf 'Test\r\nOTTER\r\n' >"$work/C:/scaffle.scf"
start_game "Scaffle! Category: Test"
for n in $(seq 10); do
    printf 'Birds%s\r\nWREN\r\n' "$n" >"$work/birds$n.scf"
    heard=$(wc -l <"$said")
    open_word_file "$work/birds$n.scf" 100
    for _ in $(seq 100); do
        now=$(tail -n +$((heard + 1)) "$said")
        grep -q "Category: Birds$n" <<<"$now" && grep -q "'A push button" <<<"$now" && continue 2
        sleep 0.1
    done
    fail "after open $n Orca said only: $(grep -o "'[^']*'" <<<"$now" | tr '\n' ' ')"
done
echo "PASS: after ten opens by the keyboard Orca said each new category and the focused letter"
