#!/bin/sh
# Builds the Debian package of the build with cpack into a temporary folder and checks what it
# holds and that its dependencies were read from the linked libraries.
# package_test.sh BUILD_DIR GUI(0/1)
set -eu
build=$1 gui=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/*.deb)
dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
app=org.ondrell.Ondrell
files="./usr/bin/ondrell-tool ./usr/share/ondrell/ondrell.map ./usr/share/man/man1/ondrell-tool.1.gz"
[ "$gui" = 1 ] && files="$files ./usr/bin/ondrell ./usr/share/man/man1/ondrell.1.gz
  ./usr/share/applications/$app.desktop ./usr/share/icons/hicolor/scalable/apps/$app.svg
  ./usr/share/metainfo/$app.metainfo.xml"
for f in $files; do
  grep -qx "$f" "$work/contents" || fail "not in the package: $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
libs="libc6 libstdc++6"
# GeographicLib is a dependency only where the programs were linked with its shared library.
readelf -d "$build/bin/ondrell-tool" | grep -q 'libGeographicLib' && libs="$libs libgeographiclib"
for lib in $libs; do
  echo "$depends" | grep -q "$lib" || fail "no $lib in Depends: $depends"
done
[ "$gui" = 1 ] && { echo "$depends" | grep -q libqt6widgets6 || fail "no Qt in Depends: $depends"; }
echo "$(basename "$deb"): $depends"
