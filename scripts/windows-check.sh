#!/usr/bin/env bash
# Cross-builds the core libraries, ondrell-tool and the core tests for 64-bit Windows with MinGW-w64
# and runs the tests under wine64. Installs the Debian packages it needs; safe to run again (what is
# built already is reused). The tests read the map file of the native build in build/, which is made
# first when missing.
#   ONDRELL_WINDOWS_BUILD  folder of the cross-build (default build-windows)
#   ONDRELL_WERROR         ON turns warnings into errors, as in CI
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/${ONDRELL_WINDOWS_BUILD:-build-windows}
deps=$out/deps
toolchain=$root/cmake/mingw-w64-x86_64.cmake
started=$SECONDS

bash scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64 googletest geographiclib-doc perl

map=$root/build/bin/ondrell.map
if [ ! -f "$map" ]; then
  npm ci --prefix data --no-audit --no-fund --loglevel=error
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
  cmake --build build --target ondrell_map
fi

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cross=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DONDRELL_WINDOWS_DEPS="$deps" "${launcher[@]}")

# The libraries for Windows, rebuilt when a package that supplies them changes.
stamp=$(dpkg-query -W -f='${Package} ${Version}\n' googletest libgeographiclib-dev geographiclib-doc \
  libcli11-dev nlohmann-json3-dev g++-mingw-w64-x86-64-posix; md5sum "$toolchain" \
  "$root"/cmake/windows/geographiclib/CMakeLists.txt "$root"/cmake/windows/listing_to_source.pl)
if [ "$(cat "$deps/.packages" 2>/dev/null)" != "$stamp" ]; then
  rm -rf "$deps" "$out/deps-build"
  # GoogleTest from the sources Debian installs.
  cmake -S /usr/src/googletest -B "$out/deps-build/googletest" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps"
  cmake --build "$out/deps-build/googletest" --target install

  # GeographicLib: Debian has no Windows build, but geographiclib-doc shows every source file as an
  # HTML listing. Recover the geodesic classes from it, after checking that the same recovery gives
  # back the installed headers byte for byte.
  html=/usr/share/doc/geographiclib/html
  sources=$out/deps-build/geographiclib-sources
  mkdir -p "$sources"
  for name in Constants Math Geodesic GeodesicLine; do
    perl cmake/windows/listing_to_source.pl "$html/${name}_8hpp_source.html" >"$sources/$name.hpp.check"
    cmp "$sources/$name.hpp.check" "/usr/include/GeographicLib/$name.hpp"
  done
  for name in Math Geodesic GeodesicLine; do
    perl cmake/windows/listing_to_source.pl "$html/${name}_8cpp_source.html" >"$sources/$name.cpp"
  done
  cmake -S cmake/windows/geographiclib -B "$out/deps-build/geographiclib" "${cross[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DSOURCES_DIR="$sources"
  cmake --build "$out/deps-build/geographiclib" --target install

  # Header-only libraries: their headers and package files, as their own install lays them out.
  mkdir -p "$deps/include" "$deps/share/cmake"
  cp -r /usr/include/CLI /usr/include/nlohmann "$deps/include/"
  cp -r /usr/share/cmake/CLI11 /usr/share/cmake/nlohmann_json "$deps/share/cmake/"
  echo "$stamp" >"$deps/.packages"
fi

# -O2 as the native build: GCC 12 at -O3 warns falsely (-Wrestrict) inside std::string.
cmake -S . -B "$out/build" "${cross[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DONDRELL_GUI=OFF \
  -DONDRELL_WERROR="${ONDRELL_WERROR:-OFF}" -DONDRELL_MAP_FILE="$map"
cmake --build "$out/build"
built=$SECONDS

# A wine of its own, quiet and without the .NET and browser add-ons it would offer to install.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
[ -d "$WINEPREFIX" ] || /usr/lib/wine/wine64 wineboot --init
ctest --test-dir "$out/build" --output-on-failure
echo "windows-check: built in $((built - started)) s, tested in $((SECONDS - built)) s"
