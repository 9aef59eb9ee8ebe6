#!/usr/bin/env bash
# Installs what building and running tessel needs, builds the program alone (without its tests,
# in build/program) and starts it on the user's display. Each step says what it does: on a
# fresh machine the first run takes some minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "tessel: no display (DISPLAY is not set); run it on a desktop, or with one of its own: xvfb-run -a ./scripts/run.sh" >&2
  exit 1
fi

./scripts/install-deps.sh native
echo "run.sh: configuring the build in build/program"
cmake --preset program >/dev/null
echo "run.sh: building tessel"
cmake --build --preset program
echo "run.sh: starting tessel"
# Window positions only hold on X11; a Wayland session runs us through XWayland.
[ -n "${WAYLAND_DISPLAY:-}" ] && export QT_QPA_PLATFORM=xcb
exec build/program/program/tessel
