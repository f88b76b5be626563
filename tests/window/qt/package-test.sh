#!/usr/bin/env bash
# Builds the Debian package from the build folder, checks it as Debian's lintian does, unpacks
# it, checks that every file is where a Linux desktop looks for it and passes its validator,
# and starts the unpacked game.
build=$(realpath "$1")
game=/nonexistent  # set once the package is unpacked
source "$(dirname "$0")/../../support/xvfb-lib.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# Two builds a second apart, as make package makes them, give the same bytes.
export SOURCE_DATE_EPOCH=1700000000
for build_number in 1 2; do
    (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package$build_number" \
        >cpack.log) || { cat "$work/cpack.log"; fail "cpack failed"; }
    sleep 1
done
deb=$(ls "$work"/package1/scaffle_*.deb)
cmp "$deb" "$work"/package2/scaffle_*.deb || fail "two builds of the package differ"
dpkg-deb -x "$deb" "$work/root"

# Errors and warnings fail; what is left is told.
lintian --display-info "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
! grep -qE '^[EW]: ' "$work/lintian.log" || fail "lintian finds errors or warnings"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done

root=$work/root/usr
for size in 16 24 32 48 64 128 256; do
    [ "$(identify -format %wx%h "$root/share/icons/hicolor/${size}x$size/apps/scaffle.png")" = "${size}x$size" ] ||
        fail "the package lacks a $size-pixel icon"
done
for file in games/scaffle share/applications/scaffle.desktop \
    share/icons/hicolor/scalable/apps/scaffle.svg share/doc/scaffle/copyright \
    share/doc/scaffle/changelog.gz share/metainfo/io.github.scaffle.Scaffle.metainfo.xml \
    share/man/man6/scaffle.6.gz \
    share/scaffle/scaffle.scf share/scaffle/countries.scf \
    share/scaffle/fruit-and-vegetables.scf share/scaffle/musical-instruments.scf; do
    [ -f "$root/$file" ] || fail "the package lacks $file"
done
desktop-file-validate "$root/share/applications/scaffle.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/share/metainfo/io.github.scaffle.Scaffle.metainfo.xml" ||
    fail "the metainfo is not valid"

game=$root/games/scaffle
start_game "Scaffle! Category: Animals"
echo "PASS: $(basename "$deb") unpacks, validates and starts; depends on: $depends"
