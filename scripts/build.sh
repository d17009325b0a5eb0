#!/usr/bin/env bash
# Installs what is missing, then configures and builds the tree in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING="${BUILD_TESTING:-ON}" >/dev/null
cmake --build build -j"$(nproc)"
