#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 20). Fails on any crash or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCLASSIFIER_CORE_ONLY=ON -DCLASSIFIER_FUZZ=ON -DBUILD_TESTING=OFF -DCLASSIFIER_WERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake --build build-fuzz --parallel

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in number classify sheet; do
    mkdir -p "$work/$target"
    echo "fuzz_$target: $seconds s"
    dict=fuzz/$target.dict
    [ -f "$dict" ] || dict=fuzz/numbers.dict
    if ! build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=4096 \
        -dict="$dict" -artifact_prefix="$work/" \
        "$work/$target" "fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
        tail -n 60 "$work/$target.log"
        echo "fuzz_$target found a failing input" >&2
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$target.log"
done
