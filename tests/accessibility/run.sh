#!/bin/sh
# run.sh TESSEL EXPECTED_DIR [--write]: reads tessel's windows as a screen reader does, on an X
# server of its own and in a D-Bus session of its own, whose accessibility bus the session
# starts on demand. Exits 77 (skipped) only where this machine lacks the accessibility stack.
set -eu
here=$(dirname "$0")
python=/usr/bin/python3

missing=""
command -v dbus-run-session >/dev/null 2>&1 || missing="$missing dbus-run-session (dbus-daemon)"
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || missing="$missing at-spi2-core"
"$python" -c 'import pyatspi' >/dev/null 2>&1 || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
  echo "run.sh: skipped, not installed:$missing (scripts/install-deps.sh installs them)"
  exit 77
fi

# No settings of the user's desktop, and no accessibility bus of any other session.
unset AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
dbus-run-session -- "$here/../desktop/x-session.sh" \
  "$python" "$here/accessible_tree_test.py" "$@"
