#!/usr/bin/env bash
# Set-up and test: builds everything, then runs every test (unit, GL and
# end-to-end) on a private Xvfb display, ending with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
cd build
# One test at a time: the windowed tests share the display.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure --timeout 600
