#!/usr/bin/env bash
# Builds a fuzzer with clang and runs it for a given time.
# Usage: fuzz/run.sh SECONDS [TARGET [BUILD_DIR]]
#   TARGET     rtf_reader (default), number_text, handlers or library_reader
#   BUILD_DIR  defaults to build-fuzz beside the sources
# The seeds of fuzz/corpus/TARGET (when there are any) are copied into a working corpus,
# BUILD_DIR/fuzz-corpus/TARGET, that grows as the fuzzer runs; findings (crashing or slow
# inputs) are written to BUILD_DIR/fuzz-artifacts/TARGET/.
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET [BUILD_DIR]]}
target=${2:-rtf_reader}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-$source_dir/build-fuzz}
case "$target" in
  rtf_reader | number_text | handlers | library_reader) ;;
  *) echo "unknown target '$target' (rtf_reader, number_text, handlers or library_reader)" >&2
     exit 2 ;;
esac

# clang's fuzzer and sanitizer runtimes.
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang libclang-rt-14-dev
fi

cmake -S "$source_dir" -B "$build" -DVELKOR_FUZZ=ON -DVELKOR_BUILD_TESTS=OFF \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${target}_fuzzer" -j "${JOBS:-2}"

corpus=$build/fuzz-corpus/$target
artifacts=$build/fuzz-artifacts/$target
mkdir -p "$corpus" "$artifacts"
options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
         -artifact_prefix="$artifacts/" -print_final_stats=1)
case "$target" in
  rtf_reader)
    # Seeds: the shipped manual and a few small documents.
    cp -f "$source_dir/resources/VELKOR_DOC.RTF" "$corpus/manual.rtf" 2>/dev/null || true
    printf '{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs24 {\\b Bold} \\cf1 red\\par\\pard\\qc\\li720\\fi-360 \\u8364? \\'"'"'e0\\tab x\\line y}' \
        >"$corpus/seed1.rtf"
    printf 'plain text, not rich\n' >"$corpus/seed2.txt"
    options+=(-dict="$source_dir/fuzz/rtf.dict" -max_len=65536)
    ;;
  number_text)
    cp -f "$source_dir"/fuzz/corpus/number_text/* "$corpus/"
    options+=(-max_len=128)
    ;;
  handlers)
    cp -f "$source_dir"/fuzz/corpus/handlers/* "$corpus/"
    options+=(-dict="$source_dir/fuzz/handlers.dict" -max_len=2048)
    ;;
  library_reader)
    cp -f "$source_dir"/fuzz/corpus/library_reader/* "$corpus/"
    options+=(-dict="$source_dir/fuzz/library.dict" -max_len=4096)
    ;;
esac

cd "$build"
ASAN_OPTIONS=detect_leaks=1 \
LSAN_OPTIONS=suppressions=$source_dir/tests/lsan.supp:print_suppressions=0 \
QT_QPA_PLATFORM=offscreen "./fuzz/${target}_fuzzer" "$corpus" "${options[@]}"
