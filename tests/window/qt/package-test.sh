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

# Two builds a second apart, as make package makes them, give the same bytes; a third under
# umask 0002 the same files and folders, with the same modes.
export SOURCE_DATE_EPOCH=1700000000
for build_number in 1 2 3; do
    (cd "$work" && umask "$([ "$build_number" = 3 ] && echo 0002 || echo 0022)" &&
        cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package$build_number" \
            >cpack.log) || { cat "$work/cpack.log"; fail "cpack failed"; }
    [ "$build_number" = 1 ] && sleep 1
done
deb=$(ls "$work"/package1/scaffle_*.deb)
cmp "$deb" "$work"/package2/scaffle_*.deb || fail "two builds of the package differ"
for part in --fsys-tarfile --ctrl-tarfile; do
    cmp <(dpkg-deb "$part" "$deb") <(dpkg-deb "$part" "$work"/package3/scaffle_*.deb) ||
        fail "a build under umask 0002 differs ($part)"
done

# A tree without git, as a source archive unpacks, dates the package at its changelog's last entry.
source=$(dirname "$0")/../../..
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    mkdir "$work/tree"
    (cd "$source" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$work/tree"
    [ "$(env -u SOURCE_DATE_EPOCH -u MAKEFLAGS make -s --no-print-directory -C "$work/tree" source-date-epoch)" = \
      "$(dpkg-parsechangelog -l "$work/tree/window/qt/dist/changelog" -S Timestamp)" ] ||
        fail "a tree without git is not dated at its changelog"
fi
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
