#!/usr/bin/env bash
# Installs what is missing, builds everything with strict warnings under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test:
# unit, handler, system (against local servers) and GUI (offscreen).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" test

build="$top/build-test"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKULKO_SANITIZE=ON -DKULKO_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Qt keeps some allocations for the life of the process; leaks are checked
# for our code by the core tests, which do not load Qt.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
cd "$build"
ctest --output-on-failure

# A short run of every fuzz target (clang, libFuzzer); fails on any crash.
"$top/scripts/fuzz.sh" "${KULKO_FUZZ_SECONDS:-12}"
