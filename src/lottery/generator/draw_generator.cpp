#include "generator/draw_generator.hpp"

#include <algorithm>

#include "generator/candidate_tests.hpp"
#include "generator/target_low_count.hpp"

namespace kulko {
namespace {

int DrawNumber(RandomSource& random) {
    return static_cast<int>(random.Draw(kHighestNumber)) + kLowestNumber;
}

// Six distinct numbers: the first one already drawn, each further one drawn
// again until it differs from those before it.
void DrawTheRest(NumberSet& set, RandomSource& random) {
    for (std::size_t i = 1; i < set.size(); ++i) {
        int n = 0;
        do {
            n = DrawNumber(random);
        } while (std::find(set.begin(), set.begin() + static_cast<std::ptrdiff_t>(i), n) !=
                 set.begin() + static_cast<std::ptrdiff_t>(i));
        set[i] = n;
    }
}

}  // namespace

bool HasForcing(DrawForcing forcing) {
    return forcing == DrawForcing::WithMax || forcing == DrawForcing::WithNumber ||
           forcing == DrawForcing::WithMin;
}

std::int32_t ForcedNumber(const GeneratorOptions& options, const StartupStatistics& statistics) {
    switch (options.forcing) {
        case DrawForcing::WithMax:
            return statistics.mostFrequentNumber;
        case DrawForcing::WithNumber:
            return options.forcedNumber;
        case DrawForcing::WithMin:
            return statistics.leastFrequentNumber;
        case DrawForcing::None:
        case DrawForcing::SixMinimum:
            break;
    }
    return 0;
}

DrawOutcome DrawRandomSet(const GeneratorOptions& options, const StartupStatistics& statistics,
                          ResultsHistory& history, RandomSource& random, int& attempts) {
    const bool forced = HasForcing(options.forcing);
    const std::int32_t forcedNumber = ForcedNumber(options, statistics);
    const int targetLowCount =
        TargetLowCount(statistics.lowNumberTotal, statistics.highNumberTotal);
    const RecentDrawTest recent(statistics.recentDraws, options.recentCount, options.recentFilter,
                                options.notIfAlreadyDrawn);

    for (attempts = 1; attempts <= kMaxDrawAttempts; ++attempts) {
        NumberSet set{};
        set[0] = DrawNumber(random);
        // Only the first number is tested: a uniformly drawn set that holds
        // the forced number somewhere costs about 49 attempts either way.
        if (forced && set[0] != forcedNumber) {
            continue;
        }
        DrawTheRest(set, random);
        std::sort(set.begin(), set.end());
        if (!PassesBias(options.bias, set, targetLowCount)) {
            continue;
        }
        if (history.Rejects(set)) {
            continue;
        }
        if (!PassesCondition(options.condition, set)) {
            continue;
        }
        if (recent.Rejects(set)) {
            continue;
        }
        return {true, set};
    }
    return {false, {}};
}

}  // namespace kulko
