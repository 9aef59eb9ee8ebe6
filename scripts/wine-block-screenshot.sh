#!/usr/bin/env bash
# wine-block-screenshot.sh OUT.png: starts the built Tessel98.exe under Wine on a display of its
# own, opens both die windows with real clicks and saves the block of three windows.
# Needs `cmake --build --preset win32` first.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v xdotool >/dev/null || { echo "needs xdotool: apt-get install xdotool" >&2; exit 1; }
out=$(realpath -m "${1:?usage: wine-block-screenshot.sh OUT.png}")

if [ -z "${TESSEL_SCREENSHOT_DISPLAY:-}" ]; then
  exec env TESSEL_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out"
fi

prefix=$PWD/build/win32/wineprefix
tests/wine/run-under-wine.sh "$prefix" build/win32/program/Tessel98.exe &
trap 'WINEPREFIX=$prefix wineserver -k' EXIT
sleep 6
# The start window stands with its client area at (196, 334); "6er Tessel" and "20er Tessel"
# are centred 54 and 158 pixels in, 14 down.
xdotool mousemove 250 348 click 1
sleep 2
xdotool mousemove 354 348 click 1
sleep 2
xdotool mousemove 700 600
sleep 1
# The block: the die windows from (193, 133) down to the start window's bottom edge at 364.
import -window root -crop 404x231+193+133 +repage "$out"
echo "$out"
