// Reduced systems: building "3 z 6" for 12, 16 and 20 numbers, the sizes
// the search reaches from nothing after 1, 3 and 10 seconds on one and on
// two cores, the reading of the shipped table, and the check of a system
// with its table of best hits and odds for 20 and 49 numbers. The check of
// any system of up to 20 numbers is to stay under 50 ms, the odds table
// under a second for 49 numbers, the reading of the table under 50 ms.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "wheels/draw_odds.hpp"
#include "wheels/subsets.hpp"
#include "wheels/system_build.hpp"
#include "wheels/verify.hpp"
#include "wheels/wheel_search.hpp"
#include "wheels/wheel_table.hpp"

namespace {

using kulko::Guarantee;
using kulko::NumberBits;
using kulko::Tickets;

NumberBits FirstNumbers(int v) {
    return kulko::AllPositions(v) << 1;
}

// A build as "Rozpisz" makes it without the shipped table: the greedy start
// and 200 checks' worth of search (about 0.2 s), then the proof and the odds.
void BuildThreeOfSix(benchmark::State& state) {
    const int v = static_cast<int>(state.range(0));
    std::size_t size = 0;
    for (auto _ : state) {
        kulko::SystemBuild build(FirstNumbers(v), {3, 6}, 1, nullptr);
        int checks = 0;
        build.Run([&] { return ++checks >= 200; });
        const kulko::BuiltSystem system = build.Result();
        size = system.tickets.size();
        benchmark::DoNotOptimize(system);
    }
    state.counters["tickets"] = static_cast<double>(size);
}
BENCHMARK(BuildThreeOfSix)->Arg(12)->Arg(16)->Arg(20)->Unit(benchmark::kMillisecond);

// The search from nothing (no shipped table) for "3 z 3", "4 z 4" and
// "5 z 5" of 20 numbers and "3 z 6" of 30, with one chain or two (one per
// core): the tickets of the best system after 1, 3 and 10 seconds.
void SearchReaches(benchmark::State& state) {
    const struct {
        int v;
        Guarantee g;
    } cells[] = {{20, {3, 3}}, {20, {4, 4}}, {20, {5, 5}}, {30, {3, 6}}};
    const auto& cell = cells[state.range(0)];
    const int chains = static_cast<int>(state.range(1));
    for (auto _ : state) {
        kulko::WheelSearch search(cell.v, cell.g, 1, {}, kulko::SearchSetup{kulko::Game{}, chains});
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        for (const double mark : {1.0, 3.0, 10.0}) {
            search.Run([&] {
                return std::chrono::duration<double>(Clock::now() - start).count() >= mark;
            });
            state.counters["after " + std::to_string(static_cast<int>(mark)) + " s"] =
                static_cast<double>(search.Best().size());
        }
    }
}
BENCHMARK(SearchReaches)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 2}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// The whole shipped table read from its file.
void ReadShippedTable(benchmark::State& state) {
    std::size_t cells = 0;
    for (auto _ : state) {
        std::string damage;
        const kulko::WheelTable table = kulko::WheelTable::Load(KULKO_SHIPPED_TABLE, damage);
        cells = table.Entries().size();
    }
    state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(ReadShippedTable)->Unit(benchmark::kMillisecond);

// The largest shipped system of 20 numbers ("5 z 5") and its "3 z 6".
const Tickets& Shipped(Guarantee g) {
    static const kulko::WheelTable table = [] {
        std::string damage;
        return kulko::WheelTable::Load(KULKO_SHIPPED_TABLE, damage);
    }();
    static const Tickets none;
    const Tickets* tickets = table.Find(20, g);
    return tickets == nullptr ? none : *tickets;
}

// A "3 z 6" of all 49 numbers, built once.
const Tickets& OfAll49() {
    static const Tickets tickets = [] {
        kulko::SystemBuild build(FirstNumbers(49), {3, 6}, 1, nullptr);
        build.Run([&] { return build.HasSystem(); });
        return kulko::NumbersToPositions(build.Result().tickets, FirstNumbers(49));
    }();
    return tickets;
}

void Verify(benchmark::State& state, const Tickets& tickets, int v, Guarantee g) {
    bool keeps = false;
    for (auto _ : state) {
        keeps = kulko::KeepsGuarantee(tickets, v, g);
        benchmark::DoNotOptimize(keeps);
    }
    state.counters["tickets"] = static_cast<double>(tickets.size());
    state.counters["keeps"] = keeps ? 1 : 0;
}

void HitsAndOdds(benchmark::State& state, const Tickets& tickets, int v) {
    for (auto _ : state) {
        const kulko::BestHits hits = kulko::CountBestHits(tickets, v);
        benchmark::DoNotOptimize(kulko::OddsOfOneDraw(hits, v, tickets.size()));
    }
    state.counters["tickets"] = static_cast<double>(tickets.size());
}

void Verify20FiveOfFive(benchmark::State& state) {
    Verify(state, Shipped({5, 5}), 20, {5, 5});
}
void Verify20ThreeOfSix(benchmark::State& state) {
    Verify(state, Shipped({3, 6}), 20, {3, 6});
}
void Verify49ThreeOfSix(benchmark::State& state) {
    Verify(state, OfAll49(), 49, {3, 6});
}
void Odds20FiveOfFive(benchmark::State& state) {
    HitsAndOdds(state, Shipped({5, 5}), 20);
}
void Odds49ThreeOfSix(benchmark::State& state) {
    HitsAndOdds(state, OfAll49(), 49);
}
// Both cores work for 49 numbers, so the time that counts is the real one.
BENCHMARK(Verify20FiveOfFive)->Unit(benchmark::kMillisecond);
BENCHMARK(Verify20ThreeOfSix)->Unit(benchmark::kMillisecond);
BENCHMARK(Verify49ThreeOfSix)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Odds20FiveOfFive)->Unit(benchmark::kMillisecond);
BENCHMARK(Odds49ThreeOfSix)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
