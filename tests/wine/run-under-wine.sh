#!/bin/sh
# run-under-wine.sh PREFIX PROGRAM [ARGS...]: runs a Windows program under Wine in a quiet
# 32-bit prefix, created on first use with the settings in prefix-settings.reg.
set -eu
prefix=$(realpath -m "$1")
shift

export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko download prompts: nothing of ours uses .NET or HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Where no D-Bus session bus runs, Wine's services would start one through the X server, which
# outlives them and the program: they are given the standard place as its address, as tessel
# gives itself, and go without.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  export DBUS_SESSION_BUS_ADDRESS="unix:path=${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/bus"
fi

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$(dirname "$prefix")"
# Tests run in parallel; only the first one creates the prefix, the others wait for it.
# A change of the settings, or of how the prefix is made, makes a new prefix.
ready="$prefix/.tessel-ready-$(cat "$here/prefix-settings.reg" "$0" | md5sum | cut -c1-12)"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$ready" ]; then
  rm -rf "$prefix"
  wineboot -i >/dev/null 2>&1
  (cd "$here" && wine regedit /S prefix-settings.reg) >/dev/null 2>&1
  # The caption buttons' glyphs are letters of Wine's symbol font Marlett ("r" is the close
  # box's cross). This Wine does not find its own fonts (fonts-wine) where Debian puts them, so
  # the prefix gets it in its fonts folder, where Wine looks at every start.
  cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
  wineserver -w
  touch "$ready"
fi
flock -u 9
exec 9>&-

# Tests start one program after another. A server and services that outlive each of them by
# half a minute spare every start the seconds of bringing Wine up again; they are started here
# with no standard streams of the caller, which would otherwise wait for them to go.
wineserver -p30 </dev/null >/dev/null 2>&1 || true  # fails when one runs already
wineboot </dev/null >/dev/null 2>&1 || true
exec wine "$@"
