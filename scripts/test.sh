#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest.
# The browser engine runs headless (offscreen platform, or Xvfb for the tests
# that drive the program with real input), with its sandbox off as CI runs as root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd build
export QTWEBENGINE_DISABLE_SANDBOX=1
export QT_LOGGING_RULES="qt.webenginecontext.info=false"
ctest --output-on-failure -j2 --timeout 300
