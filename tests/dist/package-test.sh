#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it, checks that every file is
# where a Linux desktop looks for it and passes its validator, and starts the unpacked game.
build=$(realpath "$1")
game=/nonexistent  # set once the package is unpacked
source "$(dirname "$0")/../window/xvfb-lib.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >cpack.log) ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/scaffle_*.deb)
dpkg-deb -x "$deb" "$work/root"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done

root=$work/root/usr
for file in bin/scaffle share/applications/scaffle.desktop \
    share/icons/hicolor/scalable/apps/scaffle.svg \
    share/metainfo/io.github.scaffle.Scaffle.metainfo.xml share/man/man6/scaffle.6 \
    share/scaffle/scaffle.scf share/scaffle/countries.scf \
    share/scaffle/fruit-and-vegetables.scf share/scaffle/musical-instruments.scf; do
    [ -f "$root/$file" ] || fail "the package lacks $file"
done
desktop-file-validate "$root/share/applications/scaffle.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$root/share/metainfo/io.github.scaffle.Scaffle.metainfo.xml" ||
    fail "the metainfo is not valid"

game=$root/bin/scaffle
start_game "Scaffle! Category: Animals"
echo "PASS: $(basename "$deb") unpacks, validates and starts; depends on: $depends"
