#!/usr/bin/env bash
# Builds the tests of the core adviser with ThreadSanitizer in a build folder of their own and
# runs them: the engine's adviser tests and the library dialog's window test, whose runs go
# through the worker thread (started, cancelled, replaced, finished). A data race fails them.
# tests/tsan.supp names the reports let through, each with its reason.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/test_locales.sh
build=${VELKOR_TSAN_BUILD_DIR:-build-tsan}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE= -DVELKOR_TSAN=ON -DVELKOR_BUILD_TESTS=ON \
      -DVELKOR_WERROR="${VELKOR_WERROR:-ON}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target velkor_engine_tests test_library_dialog
source_dir=$PWD
cd "$build"
export TSAN_OPTIONS="halt_on_error=1:suppressions=$source_dir/tests/tsan.supp"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^(Adviser\.|test_library_dialog_)'
