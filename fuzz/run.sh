#!/usr/bin/env bash
# Builds the rich-text reader's fuzzer with clang and runs it.
# Usage: fuzz/run.sh SECONDS [BUILD_DIR]   (BUILD_DIR defaults to build-fuzz beside the sources)
# Findings (crashing or slow inputs) are written to BUILD_DIR/fuzz-artifacts/.
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS [BUILD_DIR]}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$source_dir/build-fuzz}

cmake -S "$source_dir" -B "$build" -DVELKOR_FUZZ=ON -DVELKOR_BUILD_TESTS=OFF \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target rtf_reader_fuzzer -j "${JOBS:-2}"

corpus=$build/fuzz-corpus
artifacts=$build/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"
# Seeds: the shipped manual and a few small documents.
cp -f "$source_dir/resources/VELKOR_DOC.RTF" "$corpus/manual.rtf" 2>/dev/null || true
printf '{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs24 {\\b Bold} \\cf1 red\\par\\pard\\qc\\li720\\fi-360 \\u8364? \\'"'"'e0\\tab x\\line y}' \
    >"$corpus/seed1.rtf"
printf 'plain text, not rich\n' >"$corpus/seed2.txt"

cd "$build"
LSAN_OPTIONS=suppressions=$source_dir/fuzz/lsan.supp:print_suppressions=0 \
QT_QPA_PLATFORM=offscreen ./fuzz/rtf_reader_fuzzer "$corpus" \
    -dict="$source_dir/fuzz/rtf.dict" -max_total_time="$seconds" -max_len=65536 \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1
