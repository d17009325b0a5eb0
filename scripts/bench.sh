#!/usr/bin/env bash
# Side-by-side benchmark: the simulator against a bare QWebEngineView, under
# Xvfb, A B A B. Prints medians and ratios. Usage: scripts/bench.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh quorlane-simulator quorlane-baseline
/usr/bin/python3 bench/run.py "$PWD/build/bench/quorlane-baseline" "$PWD/build/app/quorlane-simulator" "${1:-9}"
