#!/usr/bin/env bash
# Builds Velkor with AddressSanitizer and UndefinedBehaviorSanitizer in a second build folder
# and runs every test suite there, leak detection on. Leaks inside system libraries are
# suppressed by tests/lsan.supp; anything else the sanitizers find fails the test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/test_locales.sh
build=${VELKOR_SANITIZE_BUILD_DIR:-build-sanitize}
# No build type: the sanitizer option brings its own optimisation (-O1) and debug level.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE= -DVELKOR_SANITIZE=ON -DVELKOR_BUILD_TESTS=ON \
      -DVELKOR_WERROR="${VELKOR_WERROR:-ON}" >/dev/null
cmake --build "$build" -j "$(nproc)"
source_dir=$PWD
cd "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$source_dir/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
