#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then runs each fuzz target
# for FUZZ_SECONDS (default 60; 0 skips them). Fails when a test fails or a fuzzer crashes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600 |
    tee "$build/ctest-summary.log"
total=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$build/ctest-summary.log")
fuzz_seconds="${FUZZ_SECONDS:-60}"
if [ "$fuzz_seconds" -gt 0 ]; then
    "$root/fuzz/run-fuzzers.sh" "$fuzz_seconds" all
fi
# The test count again as the last line, after the fuzzers' long output.
echo "ctest: ${total:-0} passed, 0 failed"
