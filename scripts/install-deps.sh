#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run, and any further packages
# named as arguments (scripts/windows-check.sh adds its cross-compiler and wine that way).
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  libgeographiclib-dev libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-tools-dev qt6-tools-dev-tools
  libqt6opengl6-dev libgl-dev libxkbcommon-dev libvulkan-dev
  fonts-dejavu-core
  help2man desktop-file-utils appstream file dpkg-dev
  clang-14 libclang-rt-14-dev # scripts/fuzz.sh: libFuzzer with the sanitizers
  "$@"
)

missing=()
# npm fetches the boundary data; a machine may already have Node.js with npm from elsewhere.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
