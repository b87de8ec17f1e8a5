#!/usr/bin/env bash
# Installs what is missing, builds the demo, its tools and tests, and bakes
# every generated data file into data/ (the build runs the content pipeline).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
