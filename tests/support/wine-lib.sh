# Shared by the tests and benchmarks of the Windows program, after xvfb-lib.sh: Wine in the
# prefix WINEPREFIX names, which the caller owns, made ready once. Sets wine (the program) and
# defines windows_game, which makes $game run a Windows executable under Wine.
wine=/usr/lib/wine/wine64
command -v "$wine" >/dev/null || { echo "SKIP: Wine is not installed"; exit 77; }
: "${WINEPREFIX:?must name a prefix of this run}"
# Never a box that asks to install Wine's .NET or browser: it would wait for a person.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init >/dev/null 2>&1 || true

# Sets game to a program that starts the Windows executable $1 under Wine.
windows_game() {
    game=$work/windows-game
    printf '#!/bin/sh\nexec %q %q "$@"\n' "$wine" "$(realpath "$1")" >"$game"
    chmod +x "$game"
}
