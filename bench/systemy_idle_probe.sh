#!/usr/bin/env bash
# What the systems window costs when idle: starts it offscreen on the
# shipped history, on each page in turn, lets every page count its figures,
# then reads the process's CPU time over an idle stretch. An idle window
# should stay far below half a percent of a core.
#
#   bench/systemy_idle_probe.sh [BUILD_DIR] [IDLE_SECONDS]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$top/build-rel}" && pwd)"
idle="${2:-30}"
program="$build/bin/kulko-systemy"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cp "$top/data/kulko.txt" "$dir/kulko.txt"
printf '3;7;12;20;33;41\r\n1;2;3;40;41;42\r\n' >"$dir/wyniki_kulko.txt"
ticks="$(getconf CLK_TCK)"
for page in 0 1 2 3 4; do
    printf 'Kulko – systemy: ustalenia 1\nstrona=%s\n' "$page" >"$dir/ustalenia_systemy.txt"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen exec "$program" --tabela "$top/data/systemy/systemy.txt") \
        >/dev/null 2>&1 &
    pid=$!
    sleep 15  # every page counts its figures
    before="$(awk '{print $14 + $15}' "/proc/$pid/stat")"
    sleep "$idle"
    after="$(awk '{print $14 + $15}' "/proc/$pid/stat")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v p="$page" -v t="$((after - before))" -v hz="$ticks" -v s="$idle" \
        'BEGIN { printf "page %d: %.3f%% of a core idle (%d ms in %d s)\n", p, 100 * t / hz / s, 1000 * t / hz, s }'
done
