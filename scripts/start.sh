#!/usr/bin/env bash
# Builds the simulator and starts it on this desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh quorlane-simulator

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display is set (DISPLAY): start the simulator from a desktop session." >&2
  exit 1
fi
if [ "$(id -u)" -eq 0 ] && [ -z "${QTWEBENGINE_DISABLE_SANDBOX:-}" ]; then
  echo "Running as root: the browser engine's sandbox cannot run as root, so it is switched off for this run." >&2
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.webenginecontext.info=false}"
exec build/app/quorlane-simulator
