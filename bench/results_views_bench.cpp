// The views that read the whole results file on a press, on a million lines,
// each against a plain newline count of the same file: the listing ("Baza",
// with the memory the list adds to the window), the counting of "Częstość",
// the number search ("Szukaj"); the renumbering; and "Sprawdź" with a hundred
// thousand kept sets.
#include <benchmark/benchmark.h>

#include <fstream>

#include "app/tgenerator.hpp"
#include "files/text_file.hpp"
#include "results/renumbering.hpp"
#include "stats/number_counts.hpp"
#include "stats/number_search.hpp"
#include "versus.hpp"

namespace {

struct MillionLineWindow {
    MillionLineWindow()
        : dir(kulko::bench::WindowDirectory("views", kulko::bench::SyntheticHistory(1000000))),
          window(dir, quiet.screen, quiet.system) {
        kulko::bench::WaitUntilSettled(dir / "kulko.txt");
    }
    std::filesystem::path dir;
    kulko::bench::QuietWindowServices quiet;
    kulko::Tgenerator window;
};

// added_MB: how much more memory the window holds with the list shown than
// before the first press.
void BM_BazaMillionLines(benchmark::State& state) {
    MillionLineWindow bench;
    const std::uint64_t before = kulko::bench::ResidentBytes();
    bench.window.SpeedButton4Click();
    state.counters["added_MB"] = static_cast<double>(kulko::bench::ResidentBytes() - before) / 1e6;
    kulko::bench::TimeAgainstNewlineCount(state, bench.dir / "kulko.txt",
                                          [&] { bench.window.SpeedButton4Click(); });
}
BENCHMARK(BM_BazaMillionLines)->UseManualTime()->Unit(benchmark::kMillisecond);

// The counting of "Częstość" (and of the chart and the minimum search) read
// from the file.
void BM_FrequencyCountMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    kulko::bench::TimeAgainstNewlineCount(
        state, file, [&] { benchmark::DoNotOptimize(kulko::CountResultsNumbers(file)); });
}
BENCHMARK(BM_FrequencyCountMillionLines)->UseManualTime()->Unit(benchmark::kMillisecond);

// The whole press of "Częstość" through the window.
void BM_FrequencyPressMillionLines(benchmark::State& state) {
    MillionLineWindow bench;
    kulko::bench::TimeAgainstNewlineCount(state, bench.dir / "kulko.txt",
                                          [&] { bench.window.SpeedButton3Click(); });
}
BENCHMARK(BM_FrequencyPressMillionLines)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SearchMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    kulko::bench::TimeAgainstNewlineCount(
        state, file, [&] { benchmark::DoNotOptimize(kulko::CountLinesContaining(file, "2;3")); });
}
BENCHMARK(BM_SearchMillionLines)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RenumberMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    kulko::bench::TimeAgainstNewlineCount(state, file, [&] {
        benchmark::DoNotOptimize(kulko::RenumberedText(kulko::ReadWholeFile(file)));
    });
}
BENCHMARK(BM_RenumberMillionLines)->UseManualTime()->Unit(benchmark::kMillisecond);

// "Sprawdź": a hundred thousand kept sets scored against typed numbers.
void BM_CheckHundredThousandKeptSets(benchmark::State& state) {
    MillionLineWindow bench;
    {
        std::ofstream memory(bench.dir / "wyniki_kulko.txt", std::ios::binary);
        for (int i = 0; i < 100000; ++i) {
            memory << (i % 44 + 1) << ';' << (i % 43 + 2) << ";10;20;30;49\r\n";
        }
    }
    bench.window.wyniki_losowan.text = "1;2;3;4;5;6";
    kulko::bench::TimeAgainstNewlineCount(state, bench.dir / "wyniki_kulko.txt",
                                          [&] { bench.window.SpeedButton8Click(); });
}
BENCHMARK(BM_CheckHundredThousandKeptSets)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
