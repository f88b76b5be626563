#!/bin/bash
# Builds the Windows program and its zip twice from this tree, in two folders, under two umasks
# and at two moments, and requires the same bytes both times, and Windows' line ends in its texts.
# Usage: same-bytes-twice.sh SOURCE_DIR ICON
set -euo pipefail
source_dir=$1 icon=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000

build() {  # folder umask
    (umask "$2" && cmake -S "$source_dir" -B "$work/$1" -DBUILD_TESTING=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel \
        -DSCAFFLE_WINDOWS_ICON="$icon" >/dev/null &&
        cmake --build "$work/$1" -j "$(nproc)" --target windows_zip >/dev/null)
}
build first 022
sleep 2  # a later second, which a stamped time would show
build second-of-two 002
for file in scaffle.exe scaffle-*-windows.zip; do
    cmp "$work"/first/$file "$work"/second-of-two/$file ||
        { echo "FAIL: $file differs between two builds"; exit 1; }
done
# Notepad before Windows 10 1809 shows a text of LF ends as one line.
for text in "$work"/first/scaffle-*/{README,LICENSE}.txt; do
    if grep -qv $'\r$' "$text"; then echo "FAIL: $(basename "$text") has a line without CR LF"; exit 1; fi
done
echo "PASS: the program and the zip are the same bytes from two builds, the texts with CR LF"
