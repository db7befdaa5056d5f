#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for the given number of seconds (default 300), one after the
# other. Seeds come from tests/data/fuzz/<target>; what a run finds is kept in
# build-fuzz/corpus/<target> for the next run, so the seeds in git stay as they
# are. Exits non-zero when a target crashes or breaks a property; the input is
# then in build-fuzz/artifacts/. Ends with each target's run time and its
# final coverage (cov: edges, ft: features).
#
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-300}"
shift || true

build="$top/build-fuzz"
cmake -S "$top/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in "$top"/tests/data/fuzz/*/; do
        targets+=("$(basename "$seeds")")
    done
fi

mkdir -p "$build/artifacts" "$build/logs"
# The targets write their scratch files below TMPDIR: in memory where the
# system offers it, since a disk makes the file readers many times slower.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    TMPDIR="$(mktemp -d /dev/shm/kulko-fuzz.XXXXXX)"
else
    TMPDIR="$build/scratch"
    mkdir -p "$TMPDIR"
fi
export TMPDIR
trap 'rm -rf "$TMPDIR"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

summary=()
failed=0
for target in "${targets[@]}"; do
    binary="$build/kulko_fuzz_$target"
    if [ ! -x "$binary" ]; then
        echo "fuzz: no target $target" >&2
        exit 2
    fi
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    log="$build/logs/$target.log"
    echo "fuzz: $target for ${seconds}s"
    status=0
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" \
        "$corpus" "$top/tests/data/fuzz/$target" >"$log" 2>&1 || status=$?
    last="$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)"
    cov="$(sed -n 's/.*cov: \([0-9]*\).*/\1/p' <<<"$last")"
    ft="$(sed -n 's/.*ft: \([0-9]*\).*/\1/p' <<<"$last")"
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    took="$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")"
    if [ "$status" -ne 0 ]; then
        failed=1
        echo "fuzz: $target FAILED (exit $status); log: $log" >&2
        grep -E 'ERROR|property broken|runtime error|SUMMARY|Test unit written' "$log" >&2 || tail -n 30 "$log" >&2
    fi
    summary+=("$(printf '%-16s %6ss %10s runs  cov: %-5s ft: %-6s %s' "$target" "${took:-?}" \
        "${runs:-?}" "${cov:-?}" "${ft:-?}" "$([ "$status" -eq 0 ] && echo ok || echo FAILED)")")
done
echo "fuzz: target           time       runs  coverage"
printf '  %s\n' "${summary[@]}"
exit "$failed"
