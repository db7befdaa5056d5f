#include "analyses/filter_count.hpp"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "analyses/set_history.hpp"
#include "generator/draw_generator.hpp"

namespace kulko {
namespace {

struct Tally {
    std::int64_t passing = 0;
    std::array<std::int64_t, kFilterGroups> removedAlone{};
};

}  // namespace

FilterCount CountPassingSets(const FilterJudge& judge, unsigned threads, int firstLowest) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    threads = std::clamp(threads == 0 ? cores : threads, 1u, cores);
    // Sets of a lower lowest number are many more: the workers take the
    // lowest numbers one at a time, the next free one each.
    std::atomic<int> nextLowest{std::max(firstLowest, kLowestNumber)};
    std::vector<Tally> tallies(threads);
    const auto work = [&](Tally& tally) {
        for (int lowest = nextLowest++; lowest <= kHighestNumber - 5; lowest = nextLowest++) {
            ForEachSetFrom(lowest, [&](const NumberSet& set) {
                const unsigned rejected = judge.Rejections(set);
                tally.passing += rejected == 0 ? 1 : 0;
                for (std::size_t g = 0; g < kFilterGroups; ++g) {
                    tally.removedAlone[g] += (rejected >> g) & 1u;
                }
            });
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t) {
        workers.emplace_back(work, std::ref(tallies[t]));
    }
    work(tallies[0]);
    for (std::thread& worker : workers) {
        worker.join();
    }

    FilterCount count;
    for (const Tally& tally : tallies) {
        count.passing += tally.passing;
        for (std::size_t g = 0; g < kFilterGroups; ++g) {
            count.removedAlone[g] += tally.removedAlone[g];
        }
    }
    // A forced attempt draws the forced number first with chance 1 in 49,
    // and then a set uniform among the C(48, 5) = kAllSets / 49 * 6 sets
    // that hold it; an attempt without forcing is uniform over all sets.
    const double universe =
        static_cast<double>(kAllSets) * (judge.IsForced() ? kNumbersPerDraw : 1);
    count.attemptChance = static_cast<double>(count.passing) / universe;
    count.pressChance = 1.0 - std::pow(1.0 - count.attemptChance, kMaxDrawAttempts);
    return count;
}

}  // namespace kulko
