#!/usr/bin/env bash
# Installs what is missing, builds Polymetra with its tests and runs every test.
#   scripts/run-tests.sh             the normal build
#   scripts/run-tests.sh --sanitize  the same tests under AddressSanitizer + UBSan
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

build=build/checks
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
    build=build/sanitize
    options=(-DCMAKE_BUILD_TYPE=Debug -DPOLYMETRA_SANITIZE=ON -DPOLYMETRA_BUILD_BENCHMARKS=OFF)
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:verify_asan_link_order=0:suppressions=$PWD/tests/asan-suppressions.txt"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-suppressions.txt:print_suppressions=0"
fi

cmake -S . -B "$build" -G Ninja "${options[@]}" > /dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure -j2
