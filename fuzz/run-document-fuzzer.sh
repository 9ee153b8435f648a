#!/usr/bin/env bash
# Builds the definition file reader's fuzzer with clang and the sanitizers and runs it for
# SECONDS (default 60) on one core. Findings go to fuzz/document/findings/.
#   fuzz/run-document-fuzzer.sh [SECONDS] [BUILD_FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${2:-${FUZZ_BUILD_DIR:-$root/../build-document-fuzz}}"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" \
    -DSENTREL_BUILD_FUZZ=ON -DSENTREL_BUILD_TESTS=OFF -DSENTREL_BUILD_BENCH=OFF >/dev/null
ninja -C "$build" -j1 document_fuzzer
work="$build/document-corpus"
findings="$root/fuzz/document/findings"
mkdir -p "$work" "$findings"
"$build/fuzz/document/document_fuzzer" "$work" "$root/fuzz/document/corpus" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -dict="$root/fuzz/document/document.dict" -print_final_stats=1
