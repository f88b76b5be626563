#!/usr/bin/env bash
# Runs the Wine start benchmark on a private X server with a window manager and a fresh Wine
# prefix: `make bench-windows`. $1 is the Windows build folder, $2 the Linux benchmark.
build=$(realpath "$1")
bench=$(realpath "$2")
source "$(dirname "$0")/../../tests/support/xvfb-lib.sh"
export WINEPREFIX=$work/wine
source "$(dirname "$0")/../../tests/support/wine-lib.sh"
"$bench" "$build/scaffle.exe" "$build/bench/win32/bare_win32_window.exe" --benchmark_color=false
