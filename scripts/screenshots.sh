#!/usr/bin/env bash
# Saves a picture of the main menu, each form and the contour window at its default size into screenshots/ (off screen, no
# display needed). Usage: scripts/screenshots.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="$root/screenshots"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target gui_forms_screenshots -j2
mkdir -p "$out" "$build/screenshots-home/config" "$build/screenshots-home/runtime"
chmod 700 "$build/screenshots-home/runtime"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$build/screenshots-home/config" \
    XDG_RUNTIME_DIR="$build/screenshots-home/runtime" ONDRELL_SCREENSHOT_DIR="$out" \
    "$build/bin/gui_forms_screenshots"
ls -1 "$out"/*.png
