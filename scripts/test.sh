#!/usr/bin/env bash
# Builds everything and runs every test: the unit and end-to-end tests, then the
# core tests under address and undefined-behaviour sanitizers with a short fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test

cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release -j2

if echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined -o /tmp/bestitem-fuzz-probe - 2>/dev/null; then
    rm -f /tmp/bestitem-fuzz-probe
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    ctest --preset fuzz
else
    echo "SKIPPED: sanitizer tests and the fuzz run (clang's libFuzzer runtime is missing)"
fi
