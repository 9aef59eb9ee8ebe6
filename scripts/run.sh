#!/usr/bin/env bash
# Installs what is missing, builds, and starts tessel on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "tessel: no display (DISPLAY is not set); run it on a desktop, or with one of its own: xvfb-run -a ./scripts/run.sh" >&2
  exit 1
fi

./scripts/install-deps.sh native
cmake --preset default >/dev/null
cmake --build --preset default --target tessel >/dev/null
# Window positions only hold on X11; a Wayland session runs us through XWayland.
[ -n "${WAYLAND_DISPLAY:-}" ] && export QT_QPA_PLATFORM=xcb
exec build/default/program/tessel
