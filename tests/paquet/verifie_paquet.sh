#!/bin/sh
# The Debian package of build folder $1: built by CPack, its control fields and its file list,
# its desktop entry and AppStream metadata validated, its icons at their sizes, and lintian
# without an error.
set -u
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
BUILD=$1
cd "$BUILD" || fail "no build folder $BUILD"
rm -f veltra_*.deb
cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; fail "cpack"; }
set -- veltra_*_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single package: $*"
DEB=$1
echo "package: $DEB ($(stat -c %s "$DEB") bytes)"

dpkg-deb -I "$DEB" > controle.txt || fail "dpkg-deb -I"
champ() { awk -F': ' -v k="$1" '$1 == " " k {print $2}' controle.txt; }
[ "$(champ Package)" = veltra ] || fail "Package: $(champ Package)"
[ "$(champ Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(champ Architecture)"
[ "$DEB" = "veltra_$(champ Version)_$(champ Architecture).deb" ] || fail "file name $DEB"
[ "$(champ Section)" = games ] || fail "Section: $(champ Section)"
# Dependencies come from the libraries the program links.
for lib in liballegro4.4 liballeggl4.4 libjpgalleg4.4 libopenal1 libsndfile1 libopenmpt0 libgl1 libglu1-mesa libc6; do
  champ Depends | grep -q "$lib" || fail "Depends lacks $lib: $(champ Depends)"
done

dpkg-deb -c "$DEB" | awk '{print $6}' > contenu.txt || fail "dpkg-deb -c"
for f in ./usr/bin/veltra ./usr/share/veltra/objets/kan_5.3ds ./usr/share/veltra/objets/traj_1.dat \
    ./usr/share/veltra/files/augie_font.3ds ./usr/share/veltra/maps/route.jpg ./usr/share/veltra/sons/music1.it \
    ./usr/share/applications/org.veltra.Veltra.desktop ./usr/share/metainfo/org.veltra.Veltra.metainfo.xml \
    ./usr/share/icons/hicolor/64x64/apps/org.veltra.Veltra.png ./usr/share/icons/hicolor/128x128/apps/org.veltra.Veltra.png \
    ./usr/share/icons/hicolor/256x256/apps/org.veltra.Veltra.png ./usr/share/man/man6/veltra.6.gz \
    ./usr/share/doc/veltra/copyright ./usr/share/doc/veltra/changelog.gz; do
  grep -qx "$f" contenu.txt || fail "$f not in the package"
done
# Nothing a player wrote in the build folder, nor the generator's stamp or icon folder.
grep -E 'config\.cfg|hiscores|stamp|icones|\.tmp' contenu.txt && fail "files that are not data in the package"

X=$(mktemp -d)
dpkg-deb -x "$DEB" "$X" || fail "dpkg-deb -x"
desktop-file-validate "$X/usr/share/applications/org.veltra.Veltra.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$X/usr/share/metainfo/org.veltra.Veltra.metainfo.xml" || fail "metainfo"
for n in 64 128 256; do
  [ "$(identify -format '%wx%h' "$X/usr/share/icons/hicolor/${n}x${n}/apps/org.veltra.Veltra.png")" = "${n}x${n}" ] ||
    fail "icon of ${n} px"
done
rm -rf "$X"

lintian --fail-on error "$DEB" > lintian.txt 2>&1
code=$?
cat lintian.txt
[ $code -eq 0 ] || fail "lintian"
echo PASS
