// Paints of the frequency chart with the shipped history and a draw log of a
// million sets: a paint with both files as they were at the paint before, a
// paint after one more set was logged (as after a press of "Losuj"), and the
// counting of the whole log.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

#include "app/tgenerator.hpp"
#include "generator/draw_log.hpp"
#include "stats/draw_log_counts.hpp"
#include "versus.hpp"

namespace {

using kulko::bench::ThreadSecondsOf;

// The window on a directory with the shipped history and a draw log of a
// million sets, both settled, after its first paint.
struct PaintWindow {
    PaintWindow()
        : dir(kulko::bench::WindowDirectory("paint", KULKO_SHIPPED_HISTORY,
                                            kulko::bench::SyntheticDrawLog(1000000))),
          window(dir, quiet.screen, quiet.system) {
        window.HighestNumber = 49;
        kulko::bench::WaitUntilSettled(dir / "kulko.txt");
        kulko::bench::WaitUntilSettled(dir / "losowania_kulko.txt");
        Paint();
    }
    void Paint() {
        kulko::Canvas canvas;
        window.FormPaint(canvas);
        benchmark::DoNotOptimize(canvas.Steps().data());
    }
    std::filesystem::path dir;
    kulko::bench::QuietWindowServices quiet;
    kulko::Tgenerator window;
};

// A paint with neither file changed since the paint before.
void BM_ChartPaintMillionSetDrawLog(benchmark::State& state) {
    PaintWindow paint;
    for (auto _ : state) {
        paint.Paint();
    }
}
BENCHMARK(BM_ChartPaintMillionSetDrawLog)->Unit(benchmark::kMicrosecond);

// The paint that follows a press of "Losuj": one more line in the log. Its
// baseline is a plain newline count of as many bytes as the paint read (the
// newest bytes of the log, and the results file for any more), taken from
// what the process read.
//
// The press's append reads the whole log (its end, just read by the paint,
// is too fresh to trust), which leaves the processor's caches and the
// kernel's cold. The baseline is taken from that same state, after the same
// read of the whole log, so that neither side starts warmed by the other.
void BM_ChartPaintAfterOneDrawMillionSetLog(benchmark::State& state) {
    PaintWindow paint;
    const auto log = paint.dir / "losowania_kulko.txt";
    const auto history = paint.dir / "kulko.txt";
    double paintSeconds = 0;
    double countSeconds = 0;
    std::uint64_t bytesRead = 0;
    // What reading the count of bytes read itself reads.
    const std::uint64_t probe = kulko::bench::BytesReadSoFar();
    const std::uint64_t probeBytes = kulko::bench::BytesReadSoFar() - probe;
    for (auto _ : state) {
        kulko::AppendToDrawLog(log, "3;11;19;27;35;48");
        const std::uint64_t before = kulko::bench::BytesReadSoFar();
        const double seconds = ThreadSecondsOf([&] { paint.Paint(); });
        const std::uint64_t read = kulko::bench::BytesReadSoFar() - before - probeBytes;
        state.SetIterationTime(seconds);
        paintSeconds += seconds;
        bytesRead += read;
        const std::uint64_t logSize = std::filesystem::file_size(log);
        const std::uint64_t fromLog = std::min(read, logSize);
        benchmark::DoNotOptimize(kulko::bench::CountNewlines(log));  // as the append read it
        countSeconds += ThreadSecondsOf([&] {
            benchmark::DoNotOptimize(kulko::bench::CountNewlines(log, logSize - fromLog, fromLog));
            if (read > fromLog) {
                benchmark::DoNotOptimize(kulko::bench::CountNewlines(history, 0, read - fromLog));
            }
        });
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["bytes_read"] = static_cast<double>(bytesRead) / iterations;
    state.counters["newline_count_us"] = countSeconds / iterations * 1e6;
    state.counters["ratio"] = paintSeconds / countSeconds;
}
BENCHMARK(BM_ChartPaintAfterOneDrawMillionSetLog)
    ->UseManualTime()
    ->Iterations(4000)
    ->Unit(benchmark::kMicrosecond);

// The whole log counted, as a paint does when it cannot trust what it read.
void BM_DrawLogCountMillionSets(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticDrawLog(1000000);
    kulko::bench::TimeAgainstNewlineCount(
        state, file, [&] { benchmark::DoNotOptimize(kulko::CountDrawLogNumbers(file)); });
}
BENCHMARK(BM_DrawLogCountMillionSets)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
