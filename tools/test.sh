#!/usr/bin/env bash
# Every test: installs what is missing, builds both trees, runs the native
# tests and the two-thread stress under ThreadSanitizer, then the tests of the
# real Stats.dll under wine (in Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
ctest --test-dir build/native --output-on-failure -j "$(nproc)"
bash tools/tsan.sh
source tools/wine-env.sh
wineserver -w || true
# wine's own processes end while the X server is still there.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  sh -c 'ctest --test-dir build/win32 --output-on-failure; rc=$?; wineserver -w; exit $rc'
