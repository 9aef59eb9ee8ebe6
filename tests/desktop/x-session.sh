#!/bin/sh
# x-session.sh [--screen WxHxD] [--wm NAME] COMMAND [ARGS...]: runs the command on an X server
# of its own, bare or with the window manager NAME (openbox, xfwm4, metacity, mutter, kwin) managing
# its windows, as on a user's desktop. The server picks a free display itself, so any number of
# these run side by side. The exit status is the command's. xfwm4, metacity, mutter and kwin
# want a D-Bus session: run them under dbus-run-session.
set -eu
screen=1024x768x24
wm=none
while [ $# -gt 0 ]; do
  case "$1" in
    --screen) screen=$2; shift 2 ;;
    --wm) wm=$2; shift 2 ;;
    *) break ;;
  esac
done

# A window manager this machine lacks skips the test (status 77, CTest's SKIP_RETURN_CODE): a
# Debian build daemon installs the package's build dependencies and nothing else.
case "$wm" in
  none) needed="" ;;
  kwin) needed="kwin_x11 kglobalaccel5" ;;
  *) needed=$wm ;;
esac
for program in $needed; do
  if ! command -v "$program" >/dev/null; then
    echo "x-session.sh: $program is not installed, skipped"
    exit 77
  fi
done

work=$(mktemp -d)
server=""
manager=""
helper=""
probe=""
# The server goes first: a window manager may take a while over its own end, and every client
# ends with the server anyway. A process ended by the signal has a failing status, which is no
# failure here.
finish() {
  trap '' TERM INT
  for pid in $server $manager $helper $probe; do kill "$pid" 2>/dev/null || true; done
  for pid in $server $manager $helper $probe; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

# The server writes its display number once it takes connections.
# -noreset: a server that resets whenever its last client goes refuses the next one meanwhile.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" 2>"$work/server.log" &
server=$!
waited=0
until [ -s "$work/display" ]; do
  waited=$((waited + 1))
  if [ $waited -gt 200 ] || ! kill -0 "$server" 2>/dev/null; then
    echo "x-session.sh: the X server did not start:" >&2
    cat "$work/server.log" >&2
    exit 1
  fi
  sleep 0.05
done
DISPLAY=:$(cat "$work/display")
export DISPLAY
# Taking connections, as a client sees it.
waited=0
until xprop -root >/dev/null 2>&1; do
  waited=$((waited + 1))
  if [ $waited -gt 200 ] || ! kill -0 "$server" 2>/dev/null; then
    echo "x-session.sh: the X server on $DISPLAY takes no connections:" >&2
    cat "$work/server.log" >&2
    exit 1
  fi
  sleep 0.05
done

# Each window manager on its own: no session, no compositor, none of the user's settings.
XDG_CONFIG_HOME=$work/config
export XDG_CONFIG_HOME
case "$wm" in
  none) ;;
  openbox) openbox --sm-disable >/dev/null 2>&1 & manager=$! ;;
  xfwm4) xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 & manager=$! ;;
  metacity) metacity --sm-disable --no-composite >/dev/null 2>&1 & manager=$! ;;
  mutter) mutter --x11 --replace --sm-disable >/dev/null 2>&1 & manager=$! ;;
  # kwin and its shortcut service are Qt programs: on this X server, whatever platform the caller
  # chose for the command. kwin would have the bus start the service, which then outlives the
  # bus and the server and holds the caller's output open; started here, it ends with the rest.
  # kwin signals its whole process group when it ends, so it gets one of its own.
  kwin)
    QT_QPA_PLATFORM=xcb kglobalaccel5 >/dev/null 2>&1 & helper=$!
    waited=0
    until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.kde.kglobalaccel 2>/dev/null | grep -q true; do
      waited=$((waited + 1))
      [ $waited -le 200 ] || { echo "x-session.sh: kglobalaccel5 did not start" >&2; exit 1; }
      sleep 0.05
    done
    QT_QPA_PLATFORM=xcb setsid kwin_x11 --replace >/dev/null 2>&1 & manager=$! ;;
  *) echo "x-session.sh: unknown window manager '$wm'" >&2; exit 2 ;;
esac

# A window manager announces itself on the root window once it manages windows.
waited=0
while [ -n "$manager" ] && ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  waited=$((waited + 1))
  if [ $waited -gt 200 ] || ! kill -0 "$manager" 2>/dev/null; then
    echo "x-session.sh: $wm did not start" >&2
    exit 1
  fi
  sleep 0.05
done

# Some announce themselves before they take windows over, and openbox, on a busy machine, now
# and then never shows a window mapped in that moment. So a window of our own must be taken over
# (WM_STATE) before the command starts; one that is not within 5 s is shown anew.
probe_taken_over() {
  xmessage -title x-session-probe probe >/dev/null 2>&1 & probe=$!
  taken=1
  for _ in $(seq 100); do
    if xprop -name x-session-probe WM_STATE 2>/dev/null | grep -q 'state: Normal'; then
      taken=0
      break
    fi
    kill -0 "$manager" 2>/dev/null || break
    sleep 0.05
  done
  kill "$probe"
  wait "$probe" 2>/dev/null || true
  probe=
  return $taken
}
if [ -n "$manager" ]; then
  attempts=0
  until probe_taken_over; do
    attempts=$((attempts + 1))
    if [ $attempts -ge 6 ] || ! kill -0 "$manager" 2>/dev/null; then
      echo "x-session.sh: $wm took no window over" >&2
      exit 1
    fi
  done
fi

status=0
"$@" || status=$?
if [ $status -ne 0 ] && [ -s "$work/server.log" ]; then
  echo "x-session.sh: the X server on $DISPLAY said:" >&2
  cat "$work/server.log" >&2
fi
exit $status
