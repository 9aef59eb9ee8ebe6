#!/usr/bin/env bash
# hostile.sh CASE PROGRAM: starts the program in one hostile environment and prints what came of
# it, for a test to match: every line the program wrote, marked "out: " or "err: ", then
# "status N" (128 + n after signal n, as a shell reports it), and for the cases that end the
# program from outside, how long it took ("ended within 2 s" or "still running after 2 s").
#
#   server_gone      the X server ends while the start window is open
#   wayland          QT_QPA_PLATFORM=wayland, no compositor
#   home_unset       no HOME, then SIGTERM
#   home_read_only   HOME a directory the program cannot write, then SIGTERM
#   sigterm, sigint  the signal while the start window is open
#   sigterm_about, sigint_about   the signal while "About ..." is open (modal)
#   fifty            50 programs started at once on one server, then SIGTERM to each
#   nothing_left     no D-Bus session bus; Alt+F4 on the start window ends the program, and then
#                    no process that it started is left ("nothing left", or "left: COMMAND")
#   nothing_left_with_bus   the same in a D-Bus session of the case's own
#   nothing_left_wine       the same for PROGRAM, a Windows program, under Wine in the prefix
#                    WINEPREFIX (the third argument): ended, and then its Wine session ended, no
#                    process of it is left
#
# Each case runs on an X server of its own; nothing of the user's display or home is touched.
set -u
case_name=$1
program=$2
wine_prefix=${3:-}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
server=""
bus=""
pids=()
finish() {
  for pid in "${pids[@]}" $bus; do kill -KILL "$pid" 2>/dev/null; done
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

# The environment every case starts from: no session of the caller's leaks in.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"

fail() {
  echo "hostile.sh: $*"
  exit 1
}

# until_true TENTHS COMMAND...: polls COMMAND every tenth of a second; false when it never held.
until_true() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

start_server() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/server.log" &
  server=$!
  until_true 100 test -s "$work/display" || fail "the X server did not start"
  export DISPLAY=:$(cat "$work/display")
  until_true 100 xprop -root >/dev/null 2>&1 || fail "the X server takes no connections"
}

# How many viewable windows carry a title matching the pattern.
windows_titled() {
  xwininfo -root -tree 2>/dev/null | grep -c -- "$1"
}
at_least_windows() { [ "$(windows_titled "$1")" -ge "$2" ]; }

start_title='"Tessel 98   V1.1'

# The command that starts the program: itself, or a Windows program under Wine.
program_command=("$program")

# start_program [ENV...]: the program in the background, its output in a file of its own. A
# shell starts background commands with SIGINT ignored, and a program keeps what it inherits;
# a user's program started from a terminal or a desktop has the default, so it gets that here.
start_program() {
  local n=${#pids[@]}
  env --default-signal=INT "$@" "${program_command[@]}" >"$work/out.$n" 2>"$work/err.$n" &
  pids+=($!)
}

# report_program N: its output and status, once it has ended.
report_program() {
  wait "${pids[$1]}"
  local status=$?
  sed 's/^/out: /' "$work/out.$1"
  sed 's/^/err: /' "$work/err.$1"
  echo "status $status"
}

running() { kill -0 "$1" 2>/dev/null; }
# ends_within TENTHS PID: whether the process is gone within the time.
ends_within() { until_true "$1" eval "! running $2"; }

# signal_and_report SIGNAL N: sends the signal to program N and reports how it ended.
signal_and_report() {
  local pid=${pids[$2]}
  kill "-$1" "$pid"
  if ends_within 20 "$pid"; then
    report_program "$2"
    echo "ended within 2 s"
  else
    echo "still running after 2 s"
  fi
}

# The start window on the screen with the keyboard, as a user finds it before pressing a key:
# the server lists a window with its title from its creation on, before it is shown.
start_window_has_focus() {
  xdotool getwindowfocus getwindowname 2>/dev/null | grep -q "^${start_title#\"}"
}

wait_for_start_window() {
  until_true 300 start_window_has_focus || {
    cat "$work/err.0"
    fail "no start window with the keyboard within 30 s"
  }
}

# pointer_on_start_window DX DY: the pointer to that point of the start window, through the X
# server, as a user would move it.
pointer_on_start_window() {
  local geometry x y
  geometry=$(xwininfo -root -tree | grep -- "$start_title" | grep -o '[0-9]*x[0-9]*+[0-9]*+[0-9]*' | head -n 1)
  x=${geometry#*+}
  y=${x#*+}
  x=${x%%+*}
  xdotool mousemove $((x + $1)) $((y + $2))
}

# "Info ..." on the start window: its client area begins 3 pixels in and 19 down, the button
# at 332,4 and 64 by 21 within it. Clicked through the X server, as a user would.
open_about() {
  pointer_on_start_window $((3 + 332 + 32)) $((19 + 4 + 10))
  xdotool click 1
  until_true 100 at_least_windows '"About \.\.\."' 1 || fail "no About window after the click"
}

# Every process the program starts inherits its environment, and with it this mark, even one
# that leaves the program's process group and session, as a D-Bus daemon does.
mark=TESSEL_HOSTILE_MARK=$work

marked_processes() {
  local environ
  for environ in /proc/[0-9]*/environ; do
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "$mark"; then
      echo "left: $({ tr '\0' ' ' <"${environ%/environ}/cmdline"; } 2>/dev/null)"
    fi
  done
}
none_marked() { [ -z "$(marked_processes)" ]; }

# Alt+F4 on the start window ends the program; then, after COMMAND, what of it is still
# running. Without a window manager the keys go to the window under the pointer.
close_and_look_for_leftovers() {
  wait_for_start_window
  pointer_on_start_window 20 8
  xdotool key alt+F4
  if ends_within 100 "${pids[0]}"; then report_program 0; else echo "still running after 10 s"; fi
  "$@"
  if until_true 20 none_marked; then echo "nothing left"; else marked_processes | sed 's/ *$//'; fi
}

case $case_name in
  server_gone)
    start_server
    start_program
    wait_for_start_window
    kill "$server"
    wait "$server" 2>/dev/null
    server=""
    if ends_within 50 "${pids[0]}"; then report_program 0; else echo "still running after 5 s"; fi
    ;;
  wayland)
    start_program QT_QPA_PLATFORM=wayland
    if ends_within 100 "${pids[0]}"; then report_program 0; else echo "still running after 10 s"; fi
    ;;
  home_unset | home_read_only)
    start_server
    if [ "$case_name" = home_unset ]; then
      start_program -u HOME
    elif [ "$(id -u)" -ne 0 ]; then
      chmod 555 "$HOME"
      start_program
    else
      # The mode does not hold root back; nobody can make anything in /proc.
      start_program HOME=/proc
    fi
    wait_for_start_window
    signal_and_report TERM 0
    ;;
  sigterm | sigint)
    start_server
    start_program
    wait_for_start_window
    signal_and_report "${case_name#sig}" 0
    ;;
  sigterm_about | sigint_about)
    start_server
    start_program
    wait_for_start_window
    open_about
    signal=${case_name#sig}
    signal_and_report "${signal%_about}" 0
    ;;
  fifty)
    start_server
    for _ in $(seq 50); do start_program; done
    until_true 900 at_least_windows "$start_title" 50
    echo "start windows $(windows_titled "$start_title")"
    for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    # One summary line per distinct outcome: status and what the program wrote.
    for n in "${!pids[@]}"; do
      if ends_within 50 "${pids[$n]}"; then report_program "$n"; else echo "still running after 5 s"; fi
    done >"$work/outcomes"
    sort "$work/outcomes" | uniq -c | sed 's/^ *//'
    ;;
  nothing_left)
    start_server
    start_program "$mark"
    close_and_look_for_leftovers true
    ;;
  nothing_left_with_bus)
    start_server
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus" 4>"$work/bus.pid"
    bus=$(cat "$work/bus.pid")
    DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
    start_program "$mark"
    close_and_look_for_leftovers true
    ;;
  nothing_left_wine)
    [ -n "$wine_prefix" ] || fail "no Wine prefix given"
    export WINEPREFIX=$wine_prefix
    # A session of the prefix that runs already was started without the mark: it goes first.
    wineserver -k 2>/dev/null
    wineserver -w
    start_server
    program_command=("$here/../wine/run-under-wine.sh" "$wine_prefix" "$program")
    start_program "$mark"
    close_and_look_for_leftovers eval "wineserver -k 2>/dev/null; wineserver -w"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
