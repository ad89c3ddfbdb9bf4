#!/bin/sh
# Installs the build into a temporary prefix, checks the installed files and their metadata, then
# runs the installed programs from another folder: they must find the map in the data folder.
# install_test.sh BUILD_DIR NOTICE_FILE GUI(0/1)
set -eu
build=$1 notice=$2 gui=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
app=org.ondrell.Ondrell
files="bin/ondrell-tool share/ondrell/ondrell.map share/man/man1/ondrell-tool.1.gz"
[ "$gui" = 1 ] && files="$files bin/ondrell share/man/man1/ondrell.1.gz share/applications/$app.desktop
  share/icons/hicolor/scalable/apps/$app.svg share/metainfo/$app.metainfo.xml"
for f in $files; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ ! -e "$prefix/bin/ondrell.map" ] || fail "the map must not sit in bin"
if [ "$gui" = 1 ]; then
  desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop entry refused"
  appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" || fail "metainfo refused"
fi

mkdir "$work/elsewhere"
cd "$work/elsewhere"
unset ONDRELL_MAP_FILE
tool=$prefix/bin/ondrell-tool
"$tool" --version | head -1 | grep -qx 'ondrell-tool [0-9.]*' || fail "tool --version"
"$tool" check-point --country F -- +0021740 +485100 | grep -q '^accepted' || fail "check-point without the map"
"$tool" export --geojson --validate "$notice" >export.json 2>export.err || fail "export: $(cat export.err)"
[ ! -s export.err ] || fail "export complained: $(cat export.err)"
grep -q '"type":"FeatureCollection"' export.json || fail "export output"
# A map beside the program comes first.
cp "$prefix/share/ondrell/ondrell.map" "$prefix/bin/ondrell.map"
echo broken >"$prefix/share/ondrell/ondrell.map"
"$tool" check-point --country F -- +0021740 +485100 | grep -q '^accepted' || fail "the map beside the program"
mv "$prefix/bin/ondrell.map" "$prefix/share/ondrell/ondrell.map"

if [ "$gui" = 1 ]; then
  "$prefix/bin/ondrell" --version | head -1 | grep -qx 'ondrell [0-9.]*' || fail "ondrell --version"
  # A missing map would stop start-up on its message box; the timeout turns that into a failure.
  mkdir "$work/config" "$work/runtime"
  chmod 700 "$work/runtime"
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime ONDRELL_QUIT_AFTER_START=1 \
    timeout 60 "$prefix/bin/ondrell" || fail "the installed desktop program did not start cleanly"
fi
echo "installed and ran from $work/elsewhere"
