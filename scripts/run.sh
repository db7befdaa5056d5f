#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in its own
# working directory ./run, which holds the shipped draw history as kulko.txt
# and the ball pictures. Files already in ./run are kept.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-deps.sh"

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release -DKULKO_BUILD_TESTS=OFF \
    -DKULKO_BUILD_BENCH=OFF >/dev/null
cmake --build "$top/build" --target kulko -j"$(nproc)"

work="$top/run"
mkdir -p "$work"
if [ ! -e "$work/kulko.txt" ]; then
    cp "$top/data/kulko.txt" "$work/kulko.txt"
fi
if [ ! -e "$work/Ikonki/1.jpg" ] && [ -d "$top/assets/Ikonki" ]; then
    mkdir -p "$work/Ikonki"
    cp "$top"/assets/Ikonki/*.jpg "$work/Ikonki/"
fi

cd "$work"
exec "$top/build/bin/kulko"
