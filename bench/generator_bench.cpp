// Presses of "Losuj": the operation the handler calls, and whole presses
// through the window class, on the shipped history and a million lines.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/tgenerator.hpp"
#include "bench_support.hpp"
#include "files/file_ops.hpp"
#include "files/text_file.hpp"
#include "generator/draw_generator.hpp"
#include "generator/reference_generator.hpp"

namespace {

using kulko::DrawMode;
using kulko::GeneratorOptions;

void Press(benchmark::State& state, const std::filesystem::path& history,
           const GeneratorOptions& options) {
    std::uint32_t seed = 1;
    int failed = 0;
    for (auto _ : state) {
        kulko::RandomSource random(seed++);
        kulko::ResultsHistory results(history, options.mode);
        int attempts = 0;
        const kulko::DrawOutcome outcome =
            kulko::DrawRandomSet(options, kulko::StartupStatistics{}, results, random, attempts);
        failed += outcome.accepted ? 0 : 1;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["failed"] = benchmark::Counter(failed, benchmark::Counter::kAvgIterations);
}

// "bez 4" with "z liczbą" 50: no first number is ever 50, so all 1000
// attempts fail at the forcing and the history is never needed.
GeneratorOptions NoFourWithNumber50() {
    GeneratorOptions options;
    options.mode = DrawMode::NoFour;
    options.forcing = kulko::DrawForcing::WithNumber;
    options.forcedNumber = 50;
    return options;
}

// "bez 4" with "nie, jeżeli już była" over 0 draws: every attempt is tested
// against the whole history and then rejected by the recent test, so the
// press reads the history and runs the history test 1000 times.
GeneratorOptions NoFourEveryAttemptTested() {
    GeneratorOptions options;
    options.mode = DrawMode::NoFour;
    options.recentCount = 0;
    options.notIfAlreadyDrawn = true;
    return options;
}

void BM_FailingPressNoFourWithNumber50Shipped(benchmark::State& state) {
    Press(state, KULKO_SHIPPED_HISTORY, NoFourWithNumber50());
}
BENCHMARK(BM_FailingPressNoFourWithNumber50Shipped)->Unit(benchmark::kMicrosecond);

void BM_FailingPressNoFourWithNumber50MillionLines(benchmark::State& state) {
    Press(state, kulko::bench::SyntheticHistory(1000000), NoFourWithNumber50());
}
BENCHMARK(BM_FailingPressNoFourWithNumber50MillionLines)->Unit(benchmark::kMicrosecond);

void BM_FailingPressNoFourEveryAttemptTestedShipped(benchmark::State& state) {
    Press(state, KULKO_SHIPPED_HISTORY, NoFourEveryAttemptTested());
}
BENCHMARK(BM_FailingPressNoFourEveryAttemptTestedShipped)->Unit(benchmark::kMillisecond);

void BM_FailingPressNoFourEveryAttemptTestedMillionLines(benchmark::State& state) {
    Press(state, kulko::bench::SyntheticHistory(1000000), NoFourEveryAttemptTested());
}
BENCHMARK(BM_FailingPressNoFourEveryAttemptTestedMillionLines)->Unit(benchmark::kMillisecond);

void BM_FailingPressNoSixEveryAttemptTestedMillionLines(benchmark::State& state) {
    GeneratorOptions options = NoFourEveryAttemptTested();
    options.mode = DrawMode::NoSix;
    Press(state, kulko::bench::SyntheticHistory(1000000), options);
}
BENCHMARK(BM_FailingPressNoSixEveryAttemptTestedMillionLines)->Unit(benchmark::kMillisecond);

void BM_FailingPressNoFiveEveryAttemptTestedMillionLines(benchmark::State& state) {
    GeneratorOptions options = NoFourEveryAttemptTested();
    options.mode = DrawMode::NoFive;
    Press(state, kulko::bench::SyntheticHistory(1000000), options);
}
BENCHMARK(BM_FailingPressNoFiveEveryAttemptTestedMillionLines)->Unit(benchmark::kMillisecond);

// ---- "bez 4" against the literal algorithm ----

// Presses of "bez 4" (every other option at its default) with the same
// seeds by the program and by the literal algorithm, which opens the file at
// every attempt that reaches the history test and reads it record by record
// up to the first record that rejects. The time shown is the program's;
// literal_ms is the literal algorithm's and speedup the one over the other.
// Argument: lines of a synthetic history; 0 for the shipped one.
void BM_NoFourPressAgainstLiteral(benchmark::State& state) {
    const auto lines = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path history = lines == 0 ? std::filesystem::path(KULKO_SHIPPED_HISTORY)
                                                     : kulko::bench::SyntheticHistory(lines);
    GeneratorOptions options;
    options.mode = DrawMode::NoFour;
    std::uint32_t seed = 1;
    double pressSeconds = 0;
    double literalSeconds = 0;
    int differ = 0;
    for (auto _ : state) {
        kulko::DrawOutcome outcome;
        int attempts = 0;
        const double seconds = kulko::bench::ThreadSecondsOf([&] {
            kulko::RandomSource random(seed);
            kulko::ResultsHistory results(history, options.mode);
            outcome = kulko::DrawRandomSet(options, kulko::StartupStatistics{}, results, random,
                                           attempts);
        });
        kulko::test::ReferenceOutcome literal;
        literalSeconds += kulko::bench::ThreadSecondsOf([&] {
            literal =
                kulko::test::ReferencePress(options, kulko::StartupStatistics{}, history, seed);
        });
        differ += literal.accepted != outcome.accepted || literal.attempts != attempts ||
                          (outcome.accepted && literal.set != outcome.set)
                      ? 1
                      : 0;
        ++seed;
        pressSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["literal_ms"] = literalSeconds / iterations * 1000;
    state.counters["speedup"] = literalSeconds / pressSeconds;
    state.counters["outcomes_differ"] = differ;
}
BENCHMARK(BM_NoFourPressAgainstLiteral)
    ->Arg(0)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Arg(2000000)
    ->Arg(4000000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// ---- Whole presses through the window class ----

// A working directory with the shipped history and settings that keep
// start-up off the network; the window started in it.
struct BenchWindow {
    BenchWindow() : dir(std::filesystem::temp_directory_path() / "kulko-bench-window") {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(KULKO_SHIPPED_HISTORY, dir / "kulko.txt");
        kulko::WriteNewFile(dir / "ustalenia_kulko.dat", std::string(1, '\0'));
        kulko::WriteNewFile(dir / "ustalenia_kulko_apli.dat", std::string(1, '\0'));
        kulko::WriteNewFile(dir / "ustalenia_kulko_kontrola.dat", std::string(1, '\1'));
        window =
            std::make_unique<kulko::Tgenerator>(dir, quiet.screen, quiet.system, "updates.invalid");
        window->FormCreate();
    }
    ~BenchWindow() {
        window.reset();
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
    kulko::bench::QuietWindowServices quiet;
    std::unique_ptr<kulko::Tgenerator> window;
};

void BM_DefaultPressShipped(benchmark::State& state) {
    BenchWindow bench;
    for (auto _ : state) {
        bench.window->SpeedButton2Click();
    }
    benchmark::DoNotOptimize(bench.window->PendingSetText);
}
BENCHMARK(BM_DefaultPressShipped)->Unit(benchmark::kMicrosecond);

void BM_SixMinimumPressShipped(benchmark::State& state) {
    BenchWindow bench;
    bench.window->Select(bench.window->los9);
    for (auto _ : state) {
        bench.window->SpeedButton2Click();
    }
    benchmark::DoNotOptimize(bench.window->PendingSetText);
}
BENCHMARK(BM_SixMinimumPressShipped)->Unit(benchmark::kMicrosecond);

// "Do pamięci": one set added to the memory file and the sets counted.
void BM_StorePressShipped(benchmark::State& state) {
    BenchWindow bench;
    for (auto _ : state) {
        bench.window->PendingSetText = "3;11;19;27;35;48";
        bench.window->SpeedButton6Click();
    }
}
BENCHMARK(BM_StorePressShipped)->Unit(benchmark::kMicrosecond);

}  // namespace
