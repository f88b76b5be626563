#!/usr/bin/env bash
# Runs the Wine start benchmark on a private X server with a window manager and a fresh Wine
# prefix: `make bench-windows`. $1 is the Windows build folder, $2 the Linux benchmark.
set -euo pipefail
build=$(realpath "$1")
bench=$(realpath "$2")
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset >/dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" WINEPREFIX=$work/wine WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
HOME=$work openbox >/dev/null 2>&1 &
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
"$bench" "$build/scaffle.exe" "$build/bench/win32/bare_win32_window.exe" --benchmark_color=false
