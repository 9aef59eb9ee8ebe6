#!/bin/sh
# session-inside.sh mutter|kwin COMMAND [ARGS...]: the inside of wayland-session.sh, run in the
# session's own D-Bus session as the session's user, with HOME and XDG_RUNTIME_DIR its folder.
# Each compositor starts the command itself once it takes clients, with the session's variables
# set, and ends with it.
set -eu
compositor=$1
shift
export TESSEL_COMPOSITOR="$compositor"
run=$HOME/bin/run
status_file=$HOME/status
log=$HOME/compositor.log

# The command as a script of its own that keeps its status: kwin takes a single path, and
# mutter's own status says only whether the command failed. Its output comes out here, not in
# the compositor's log, where the compositor would put it.
output=$HOME/output
mkfifo "$output"
{
  echo '#!/bin/sh'
  echo "exec >'$output' 2>&1"
  for word in "$@"; do
    printf "'%s' " "$(printf '%s' "$word" | sed "s/'/'\\\\''/g")"
  done
  echo
  echo "echo \$? > '$status_file'"
} >"$run"
chmod +x "$run"

cat "$output" &
printer=$!
helpers=$printer
finish() {
  for pid in $helpers; do kill "$pid" 2>/dev/null || true; done
  for pid in $helpers; do wait "$pid" 2>/dev/null || true; done
}
trap finish EXIT

case "$compositor" in
  mutter)
    # mutter's screen casts, which its remote-desktop input needs for absolute pointer motion,
    # go through PipeWire and its session manager.
    pipewire >"$HOME/pipewire.log" 2>&1 &
    helpers="$helpers $!"
    waited=0
    until [ -S "$XDG_RUNTIME_DIR/pipewire-0" ]; do
      waited=$((waited + 1))
      [ $waited -le 200 ] || { echo "session-inside.sh: PipeWire did not start" >&2; exit 1; }
      sleep 0.05
    done
    wireplumber >"$HOME/wireplumber.log" 2>&1 &
    helpers="$helpers $!"
    mutter --wayland --headless --virtual-monitor 1024x768 --wayland-display tessel-wayland \
      -- "$run" >"$log" 2>&1 || true
    ;;
  kwin)
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$HOME/bin/kwin_wayland" --virtual --xwayland \
      --width 1024 --height 768 --socket tessel-wayland --no-lockscreen \
      --exit-with-session "$run" >"$log" 2>&1 || true
    ;;
esac

# The command's output, to its end, where the command ran.
[ ! -s "$status_file" ] || wait "$printer" 2>/dev/null || true
if [ ! -s "$status_file" ]; then
  echo "session-inside.sh: $compositor ended before the command did; it said:" >&2
  cat "$log" >&2
  exit 1
fi
status=$(cat "$status_file")
[ "$status" -eq 0 ] || { echo "session-inside.sh: $compositor said:" >&2; cat "$log" >&2; }
exit "$status"
