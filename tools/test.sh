#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test. Tests of windows run on Qt's offscreen platform: no display needed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci

# The core again, built for Windows and run under Wine.
bash tools/test-windows.sh
