// The orbit search's pace: annealing steps per second where a system is a
// few orbits of a large group (4 z 4 of 17 numbers, 12 orbits of Z17), many
// orbits of a group of about the numbers' count (5 z 5 of 25, 430 orbits of
// Z24+1) and all 49 numbers (3 z 3, 22 orbits of the translations of
// GF(49)). None of them covers, so every run takes all its steps.
#include <benchmark/benchmark.h>

#include "wheels/constructions/number_group.hpp"
#include "wheels/constructions/orbit_search.hpp"

namespace {

void OrbitSearchSteps(benchmark::State& state, const kulko::NumberGroup& group,
                      kulko::Guarantee guarantee, int bases) {
    constexpr std::uint64_t kSteps = 200000;
    kulko::OrbitSearch search(group, guarantee, bases, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.Run(kSteps));
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(kSteps) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

void OrbitSteps17FourOfFour(benchmark::State& state) {
    OrbitSearchSteps(state, kulko::NumberGroup::Cyclic(17, 1, 0), {4, 4}, 12);
}
void OrbitSteps25FiveOfFive(benchmark::State& state) {
    OrbitSearchSteps(state, kulko::NumberGroup::Cyclic(24, 1, 1), {5, 5}, 430);
}
void OrbitSteps49ThreeOfThree(benchmark::State& state) {
    OrbitSearchSteps(state, kulko::NumberGroup::Affine(49, 1, 0), {3, 3}, 22);
}

BENCHMARK(OrbitSteps17FourOfFour)->Unit(benchmark::kMillisecond);
BENCHMARK(OrbitSteps25FiveOfFive)->Unit(benchmark::kMillisecond);
BENCHMARK(OrbitSteps49ThreeOfThree)->Unit(benchmark::kMillisecond);

}  // namespace
