#!/usr/bin/env bash
# The soak run: 500 top-level navigations in one session (GO and link clicks
# alternating) on the real engine; prints the main process's RSS growth.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh soak_tests
cd build
export QTWEBENGINE_DISABLE_SANDBOX=1 QT_LOGGING_RULES="qt.webenginecontext.info=false"
status=0
ctest -L soak --output-on-failure --timeout 1800 -V >soak.log 2>&1 || status=$?
grep -E "RSS|tests passed|Failure" soak.log || true
exit "$status"
