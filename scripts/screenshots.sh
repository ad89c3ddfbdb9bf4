#!/usr/bin/env bash
# Saves a picture of the main menu, each form and the contour window at its default size into screenshots/ (off screen, no
# display needed), on a 1600x1000 screen; then GS1 on a 1280x720 screen at scale 1.5, and GS1 before and after a Plan
# entry of "1" side by side, on both screens. Usage: scripts/screenshots.sh [build folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="$root/screenshots"
home="$build/screenshots-home"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target gui_forms_screenshots gui_forms_usability -j2
mkdir -p "$out" "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
screen() { # width height: an off-screen platform with one screen of that size
    printf '{"screens": [{"name": "screen", "width": %s, "height": %s}]}\n' "$1" "$2" >"$home/screen-$1x$2.json"
    echo "offscreen:configfile=$home/screen-$1x$2.json"
}
export XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" ONDRELL_SCREENSHOT_DIR="$out"
QT_QPA_PLATFORM="$(screen 1600 1000)" "$build/bin/gui_forms_screenshots"
QT_QPA_PLATFORM="$(screen 1600 1000)" "$build/bin/gui_forms_usability" pictures
QT_QPA_PLATFORM="$(screen 1280 720)" QT_SCALE_FACTOR=1.5 "$build/bin/gui_forms_usability" pictures
ls -1 "$out"/*.png
