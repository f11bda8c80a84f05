#!/usr/bin/env bash
# Builds Velkor and runs every test suite (engine, widgets, window, reports).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/test_locales.sh
build=${VELKOR_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKOR_WERROR="${VELKOR_WERROR:-ON}" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
