// One paint of the frequency chart: both files read and counted, the canvas
// filled. The shipped history with a draw log of a million sets.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/tgenerator.hpp"
#include "bench_support.hpp"
#include "stats/draw_log_counts.hpp"

namespace {

// A working directory with the shipped history and a draw log of `sets` lines.
std::filesystem::path PaintDirectory(std::size_t sets) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kulko-bench-paint-" + std::to_string(sets));
    std::filesystem::create_directories(dir);
    const auto copy = std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy_file(KULKO_SHIPPED_HISTORY, dir / "kulko.txt", copy);
    std::filesystem::copy_file(kulko::bench::SyntheticDrawLog(sets), dir / "losowania_kulko.txt",
                               copy);
    return dir;
}

void BM_ChartPaintMillionSetDrawLog(benchmark::State& state) {
    const auto dir = PaintDirectory(1000000);
    kulko::bench::QuietWindowServices quiet;
    kulko::Tgenerator window(dir, quiet.screen, quiet.system);
    window.HighestNumber = 49;
    for (auto _ : state) {
        kulko::Canvas canvas;
        window.FormPaint(canvas);
        benchmark::DoNotOptimize(canvas.Steps().data());
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ChartPaintMillionSetDrawLog)->Unit(benchmark::kMillisecond);

void BM_DrawLogCountMillionSets(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticDrawLog(1000000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kulko::CountDrawLogNumbers(file));
    }
}
BENCHMARK(BM_DrawLogCountMillionSets)->Unit(benchmark::kMillisecond);

}  // namespace
