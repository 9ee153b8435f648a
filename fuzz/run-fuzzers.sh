#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour
# sanitizers (only the libraries they test: document, detection, key store, reports service), then runs each
# named target for SECONDS on one core, one after the other.
#
#   fuzz/run-fuzzers.sh [SECONDS] [TARGET...]
#
# SECONDS defaults to 60; TARGET is document, bdd, values, srws or all (the default). Each target
# starts from its corpus in fuzz/TARGET/corpus; what it learns goes to the build folder
# ($FUZZ_BUILD_DIR, else build-fuzz/ at the top of the repository, which git ignores), crashes
# to fuzz-out/TARGET/. Exits 1 when a target found a crash, 2 on bad arguments.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
all_targets=(document bdd values srws)
# The longest input each target tries: a few screens of a definition or values file; for the
# BDD reader, enough for the seed exported from the sample definitions; for the reports
# service, a long request (the 64 KB limit itself is a unit test).
declare -A max_len=([document]=4096 [bdd]=16384 [values]=4096 [srws]=4096)

seconds="${1:-60}"
[ $# -gt 0 ] && shift
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: $0 [SECONDS] [document|bdd|values|srws|all]..." >&2
    exit 2
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ] || [ "${targets[*]}" = all ]; then targets=("${all_targets[@]}"); fi
for target in "${targets[@]}"; do
    if [[ ! " ${all_targets[*]} " =~ " $target " ]]; then
        echo "unknown fuzz target \"$target\" (known: ${all_targets[*]}, all)" >&2
        exit 2
    fi
done

build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g -O1"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" "${launcher[@]}" \
    -DSENTREL_BUILD_FUZZ=ON -DSENTREL_BUILD_TESTS=OFF -DSENTREL_BUILD_BENCH=OFF >/dev/null
ninja -C "$build" -j2 "${targets[@]/%/_fuzzer}"

failed=()
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    findings="$root/fuzz-out/$target"
    mkdir -p "$work" "$findings"
    dictionary=()
    [ -f "$root/fuzz/$target/$target.dict" ] && dictionary=(-dict="$root/fuzz/$target/$target.dict")
    echo "=== fuzzing $target for $seconds s"
    start=$(date +%s)
    status=0
    "$build/fuzz/$target/${target}_fuzzer" "$work" "$root/fuzz/$target/corpus" \
        -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$findings/" "${dictionary[@]}" -print_final_stats=1 || status=$?
    ran=$(($(date +%s) - start))
    if [ "$status" -eq 0 ]; then
        echo "=== fuzzer $target ran $ran s (asked for $seconds s): no crash"
    else
        echo "=== fuzzer $target ran $ran s (asked for $seconds s): FAILED (exit $status), input in $findings/"
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "=== fuzz targets that found a crash: ${failed[*]}"
    exit 1
fi
