#!/usr/bin/env bash
# Builds the Debian package twice as make package does, requires the same bytes, checks it as
# Debian's lintian does, unpacks it, checks that every file is where a Linux desktop looks for it and passes its validator,
# and starts the unpacked game.
game=/nonexistent  # set once the package is unpacked
source "$(dirname "$0")/../../support/xvfb-lib.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# Two builds of the package, as make package makes them, a minute apart and from two trees: an
# archive of the commit, and the checkout's files under umask 0002. Neither has git, so both are
# dated at the changelog's last entry.
source=$(realpath "$(dirname "$0")/../../..")
git -C "$source" rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIP: not a git checkout"; exit 77; }
commit=$(git -C "$source" stash create)
mkdir "$work/archive" "$work/checkout"
git -C "$source" archive "${commit:-HEAD}" | tar -xf - -C "$work/archive"
(cd "$source" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$work/checkout"
package() {  # tree umask
    (cd "$work/$1" && umask "$2" && env -u SOURCE_DATE_EPOCH -u MAKEFLAGS make -s package \
        >"$work/$1.log" 2>&1) || { tail -40 "$work/$1.log"; fail "make package failed in $1"; }
}
started=$SECONDS
package archive 0022
sleep $((started + 61 > SECONDS ? started + 61 - SECONDS : 0))
package checkout 0002
deb=$(ls "$work"/archive/build/scaffle_*.deb)
cmp "$deb" "$work"/checkout/build/scaffle_*.deb || fail "two builds of the package differ"
[ "$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{print $4, $5}' | sort -u)" = \
  "$(date -u -d "@$(dpkg-parsechangelog -l "$source/window/qt/dist/changelog" -S Timestamp)" '+%F %T')" ] ||
    fail "the package's files are not dated at its changelog"
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
