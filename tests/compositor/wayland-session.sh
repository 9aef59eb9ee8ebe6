#!/bin/sh
# wayland-session.sh mutter|kwin COMMAND [ARGS...]: runs the command in a Wayland session of its
# own, headless, with one 1024x768 screen and XWayland, as GNOME (mutter) or KDE Plasma (kwin)
# run one: in a D-Bus session of its own; for GNOME with PipeWire, which mutter's remote-desktop
# input asks for. The command finds WAYLAND_DISPLAY, DISPLAY and XAUTHORITY set, and
# TESSEL_COMPOSITOR naming the compositor. The exit status is the command's, or 77 (skipped)
# where this machine lacks the compositor or its tools.
#
# Both compositors refuse to run as root: as root, the session and the command run as the
# unprivileged user nobody, which must be able to reach the command's files.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
compositor=$1
shift

skip() {
  echo "wayland-session.sh: skipped, $*"
  exit 77
}

case "$compositor" in
  mutter) needed="mutter Xwayland pipewire wireplumber dbus-run-session xwininfo xprop" ;;
  kwin) needed="kwin_wayland Xwayland dbus-run-session xwininfo xprop" ;;
  *) echo "wayland-session.sh: unknown compositor '$compositor'" >&2; exit 2 ;;
esac
[ "$(id -u)" -ne 0 ] || needed="$needed setpriv"
missing=""
for tool in $needed; do
  command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
[ -z "$missing" ] || skip "not installed:$missing (scripts/install-deps.sh installs them)"

# XWayland puts its socket there, and finds it wrongly made unless root made it so beforehand.
if [ ! -d /tmp/.X11-unix ] || [ "$(stat -c %u:%a /tmp/.X11-unix)" != 0:1777 ]; then
  [ "$(id -u)" -eq 0 ] ||
    skip "/tmp/.X11-unix is not root's with mode 1777, and only root can make it so"
  mkdir -p /tmp/.X11-unix
  chown 0:0 /tmp/.X11-unix
  chmod 1777 /tmp/.X11-unix
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"
mkdir "$work/bin"
if [ "$compositor" = kwin ]; then
  # The packaged binary carries a file capability that fails in a container; a copy has none.
  cp "$(command -v kwin_wayland)" "$work/bin/kwin_wayland"
fi

as_user=""
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$work"
  as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
  for file in "$@"; do
    [ -e "$file" ] || continue
    $as_user test -r "$file" || {
      echo "wayland-session.sh: the user nobody cannot read $file;" \
        "its folders must be open to others" >&2
      exit 1
    }
  done
fi

status=0
cd "$work"
$as_user env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work" \
  XDG_CONFIG_HOME="$work/config" LANG=C.UTF-8 \
  dbus-run-session -- "$here/session-inside.sh" "$compositor" "$@" ||
  status=$?
exit $status
