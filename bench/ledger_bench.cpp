// Opening and closing the finance panel on two full ledgers: both files read,
// 5000 entries into each grid's cells with the totals, then both grids
// stored through the safe replace-write.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/tgenerator.hpp"
#include "bench_support.hpp"
#include "ledger/ledger_file.hpp"

namespace {

// Every entry filled to its slot, Polish letters included.
kulko::Ledger FullLedger() {
    kulko::Ledger ledger = kulko::EmptyLedger();
    for (std::size_t i = 0; i < ledger.size(); ++i) {
        ledger[i].date = "12.05.2024";
        ledger[i].amount = std::to_string(i % 100) + ".25";
        ledger[i].description =
            "kupon \xBF\xF3\xB3ty, zak\xB3"
            "ad nr " +
            std::to_string(i);
    }
    return ledger;
}

void BM_LedgerOpenAndClose(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kulko-bench-ledger-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    kulko::WriteLedgerFile(dir / "wydatki_l.dat", FullLedger());
    kulko::WriteLedgerFile(dir / "przychody_l.dat", FullLedger());
    kulko::bench::QuietWindowServices quiet;
    kulko::Tgenerator window(dir, quiet.screen, quiet.system);
    for (auto _ : state) {
        window.SpeedButton10Click();
        window.SpeedButton11Click();
    }
    benchmark::DoNotOptimize(window.Label21.caption);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LedgerOpenAndClose)->Unit(benchmark::kMillisecond);

}  // namespace
