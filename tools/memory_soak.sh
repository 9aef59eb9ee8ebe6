#!/usr/bin/env bash
# memory_soak.sh [--wine] [--cycles N] [--every N] [PROGRAM]
#
# Opens and closes the six-sided, the twenty-sided and the information window in turn with real
# clicks (xdotool) on an X display with no window manager, and prints the program's resident set
# size (VmRSS from /proc) every N cycles. At the end it quits through "Beenden" of the start
# window and prints the program's exit status.
#
#   PROGRAM   default build/default/program/tessel, or with --wine build/win32/program/Tessel98.exe,
#             which then runs under Wine in the tests' prefix; its RSS is that of the Wine process
#             that runs Tessel98.exe (the wineserver and Wine's services are not counted).
#
# Runs on a display of its own (xvfb-run) unless TESSEL_SOAK_DISPLAY names one to use.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v xdotool >/dev/null || { echo "needs xdotool: apt-get install xdotool" >&2; exit 1; }

wine=0
cycles=11000
every=1000
while [ $# -gt 0 ]; do
  case $1 in
    --wine) wine=1 ;;
    --cycles) cycles=$2; shift ;;
    --every) every=$2; shift ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
  shift
done
if [ $wine = 1 ]; then
  program=$(realpath "${1:-build/win32/program/Tessel98.exe}")
else
  program=$(realpath "${1:-build/default/program/tessel}")
fi

if [ -z "${TESSEL_SOAK_DISPLAY:-}" ]; then
  args=(--cycles "$cycles" --every "$every")
  [ $wine = 1 ] && args+=(--wine)
  exec xvfb-run -a -s "-screen 0 1024x768x24" \
    env TESSEL_SOAK_DISPLAY=own "$0" "${args[@]}" "$program"
fi
[ "$TESSEL_SOAK_DISPLAY" = own ] || export DISPLAY=$TESSEL_SOAK_DISPLAY
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

if [ $wine = 1 ]; then
  prefix=$PWD/build/win32/wineprefix
  # The script execs wine, which stays the process that runs the program. Wine's server goes
  # by itself half a minute after the last program of the prefix.
  tests/wine/run-under-wine.sh "$prefix" "$program" &
else
  QT_QPA_PLATFORM=xcb "$program" &
fi
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }

# xdotool matches titles as regular expressions.
title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][().*^$+?{}|\\]/\\&/g')"; }

# Sets `window` to the visible top-level window with exactly this title; waits up to 20 s.
# (xdotool's own --sync looks only every half second.)
find_window() {
  local pattern tries=0
  pattern=$(title_pattern "$1")
  until window=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) &&
    [ -n "$window" ]; do
    tries=$((tries + 1))
    [ $tries -lt 4000 ] || { echo "no window \"$1\" after 20 s (cycle $cycle)" >&2; exit 1; }
    sleep 0.005
  done
}

# Waits until no visible window has this title.
wait_gone() {
  local tries=0
  local pattern
  pattern=$(title_pattern "$1")
  while xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -lt 4000 ] || { echo "window \"$1\" stays open (cycle $cycle)" >&2; exit 1; }
    sleep 0.005
  done
}

# Clicks at (x, y) of a window's client area. The client lies in the middle of the outer window
# with equal side and bottom borders; the title bar takes the rest at the top. Both programs
# draw the same frame, but it is measured, not assumed.
declare -A frame_left frame_top
client_click() {  # WINDOW-ID TITLE CLIENT-WIDTH CLIENT-HEIGHT X Y
  local id=$1 title=$2
  if [ -z "${frame_left[$title]:-}" ]; then
    local w h
    eval "$(xdotool getwindowgeometry --shell "$id")"
    w=$WIDTH h=$HEIGHT
    frame_left[$title]=$(((w - $3) / 2))
    frame_top[$title]=$((h - $4 - (w - $3) / 2))
  fi
  xdotool mousemove --window "$id" $((frame_left[$title] + $5)) $((frame_top[$title] + $6)) \
    mousedown 1 mouseup 1
}

# Client sizes and button centres in pixels, from the windows' descriptions (15 twips a pixel).
start_title="Tessel 98   V1.1   (29.05.1998)"
start_click() { client_click "$start" "$start_title" 398 27 "$1" "$2"; }

cycle=0
find_window "$start_title"
start=$window
SECONDS=0
report() { printf '%6d cycles  RSS %7d kB  %6d s\n' "$cycle" "$(rss_kb)" "$SECONDS"; }

echo "program: $program (pid $pid, $(cat /proc/$pid/comm))"
report
while [ $cycle -lt "$cycles" ]; do
  cycle=$((cycle + 1))
  start_click 54 14  # 6er Tessel
  find_window "6er Tessel"
  client_click "$window" "6er Tessel" 168 160 124 130  # Beenden
  wait_gone "6er Tessel"
  start_click 158 14  # 20er Tessel
  find_window "20er Tessel"
  client_click "$window" "20er Tessel" 224 160 180 130  # Beenden
  wait_gone "20er Tessel"
  start_click 364 14  # Info ...
  find_window "About ..."
  client_click "$window" "About ..." 334 142 51 122  # OK
  wait_gone "About ..."
  [ $((cycle % every)) -ne 0 ] || report
done

start_click 262 14  # Beenden
status=0
wait $pid || status=$?
trap - EXIT
echo "ended through Beenden with status $status"
