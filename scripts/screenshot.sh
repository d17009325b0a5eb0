#!/usr/bin/env bash
# Builds the simulator and makes docs/screenshot.png of its window, under Xvfb,
# with a page loaded from a loopback server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh quorlane-simulator
command -v import >/dev/null || { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq imagemagick; }
/usr/bin/python3 scripts/screenshot.py "$PWD/build/app/quorlane-simulator" "$PWD/docs/screenshot.png"
echo "docs/screenshot.png written"
