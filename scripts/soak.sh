#!/usr/bin/env bash
# Drives the window class through many presses of "Losuj" (default 100000)
# with random options, stores and checks, and checks every shown set, the
# draw log and the memory. Builds the core tests without sanitizers for speed
# (build-soak); add KULKO_SOAK_SANITIZE=ON to the environment for a sanitizer
# build instead.
#
#   scripts/soak.sh [presses]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh" test
presses="${1:-100000}"

build="$top/build-soak"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKULKO_BUILD_GUI=OFF \
    -DKULKO_BUILD_BENCH=OFF -DKULKO_SANITIZE="${KULKO_SOAK_SANITIZE:-OFF}" >/dev/null
cmake --build "$build" --target kulko_tests -j"$(nproc)"

KULKO_SOAK_PRESSES="$presses" "$build/tests/kulko_tests" --gtest_filter='DrawSoakTest.*'
