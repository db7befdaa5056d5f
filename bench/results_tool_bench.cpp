// kulko-wyniki as its users run it, a whole process each time, on a history
// of a million lines: "sprawdz", and "dodaj" of thirty new draws. Each is
// set against a plain newline count of the same file by `wc -l`, the least
// any reading of it can cost. The times are processor time (user and
// system) of the child process, the best of the runs: on a machine shared
// with other work the wall clock says more about the others. The peak is
// the child's largest resident size, which starts from this process's size
// when it is started, so it is an upper bound.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.hpp"
#include "support/child_process.hpp"

namespace {

struct ProcessCost {
    double cpuMs = 0;
    double wallMs = 0;
    long peakKb = 0;
};

// Runs the program with its output thrown away; nothing for a failed run.
ProcessCost Run(std::vector<std::string> args) {
    const auto start = std::chrono::steady_clock::now();
    const kulko::test::ChildRun run = kulko::test::RunChild(std::move(args), "/dev/null");
    ProcessCost cost;
    if (run.exitStatus == 0) {
        cost.wallMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        const auto ms = [](timeval time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
        cost.cpuMs = ms(run.usage.ru_utime) + ms(run.usage.ru_stime);
        cost.peakKb = run.usage.ru_maxrss;
    }
    return cost;
}

// Thirty draws after the synthetic history, numbered on from it, on the
// 29th of January, a day it never has.
std::filesystem::path NewDraws() {
    const auto path = std::filesystem::temp_directory_path() /
                      ("kulko-bench-new-" + std::to_string(::getpid()) + ".txt");
    std::ofstream out(path);
    for (int i = 0; i < 30; ++i) {
        out << 1000001 + i << ";29.01." << 1996 + i << ";" << 1 + i % 40 << ";" << 42
            << ";43;44;45;" << 46 + i % 4 << "\n";
    }
    return path;
}

// The best of the runs of the tool, the count and their ratio, as counters.
void Report(benchmark::State& state, const std::vector<ProcessCost>& tool,
            const std::vector<ProcessCost>& count, const std::filesystem::path& file) {
    const auto best = [](const std::vector<ProcessCost>& runs, double ProcessCost::*field) {
        double value = runs.front().*field;
        for (const ProcessCost& run : runs) {
            value = std::min(value, run.*field);
        }
        return value;
    };
    long peak = 0;
    for (const ProcessCost& run : tool) {
        peak = std::max(peak, run.peakKb);
    }
    const double fileKb = static_cast<double>(std::filesystem::file_size(file)) / 1024;
    state.counters["cpu_ms"] = best(tool, &ProcessCost::cpuMs);
    state.counters["wc_cpu_ms"] = best(count, &ProcessCost::cpuMs);
    state.counters["cpu_ratio"] = state.counters["cpu_ms"] / state.counters["wc_cpu_ms"];
    state.counters["wall_ms"] = best(tool, &ProcessCost::wallMs);
    state.counters["wc_wall_ms"] = best(count, &ProcessCost::wallMs);
    state.counters["wall_ratio"] = state.counters["wall_ms"] / state.counters["wc_wall_ms"];
    state.counters["peak_kb"] = static_cast<double>(peak);
    state.counters["peak_per_file"] = static_cast<double>(peak) / fileKb;
}

void BM_ToolCheckMillionLines(benchmark::State& state) {
    const auto file = kulko::bench::SyntheticHistory(1000000);
    std::vector<ProcessCost> tool;
    std::vector<ProcessCost> count;
    for (auto _ : state) {
        count.push_back(Run({"wc", "-l", file.string()}));
        tool.push_back(Run({KULKO_WYNIKI, "sprawdz", "--baza", file.string()}));
        state.SetIterationTime(tool.back().cpuMs / 1e3);
    }
    Report(state, tool, count, file);
}
BENCHMARK(BM_ToolCheckMillionLines)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

void BM_ToolAddThirtyToMillionLines(benchmark::State& state) {
    const auto history = kulko::bench::SyntheticHistory(1000000);
    const auto list = NewDraws();
    const auto file =
        history.parent_path() / ("kulko-bench-add-" + std::to_string(::getpid()) + ".txt");
    std::vector<ProcessCost> tool;
    std::vector<ProcessCost> count;
    for (auto _ : state) {
        std::filesystem::copy_file(history, file,
                                   std::filesystem::copy_options::overwrite_existing);
        count.push_back(Run({"wc", "-l", file.string()}));
        tool.push_back(Run({KULKO_WYNIKI, "dodaj", list.string(), "--baza", file.string()}));
        state.SetIterationTime(tool.back().cpuMs / 1e3);
    }
    Report(state, tool, count, history);
    for (const auto& made : {list, file, std::filesystem::path(file.string() + ".poprzednia")}) {
        std::filesystem::remove(made);
    }
}
BENCHMARK(BM_ToolAddThirtyToMillionLines)
    ->UseManualTime()
    ->Iterations(9)
    ->Unit(benchmark::kMillisecond);

}  // namespace
