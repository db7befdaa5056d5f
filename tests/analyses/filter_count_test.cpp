// The exact count of the sets the generator's options leave, against known
// counts and against the generator's tests run over the sets one by one.
#include "analyses/filter_count.hpp"

#include <gtest/gtest.h>

#include "analyses/draw_history.hpp"
#include "analyses/filter_backtest.hpp"
#include "generator/results_history.hpp"
#include "generator/target_low_count.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

// The count itself is optimised in every build, but the generator's
// draw loop is not: under the sanitizers the set-by-set check covers the
// sets from the lowest number 30 up.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
constexpr int kFirstLowest = kSanitized ? 30 : 1;

HistoryIndex IndexOf(DrawMode mode, const std::vector<HistoryIndex::RecordNumbers>& draws) {
    HistoryIndex index = HistoryIndex::Empty(mode);
    for (const auto& draw : draws) {
        index.Append(draw);
    }
    return index;
}

FilterCount Count(const GeneratorOptions& options, const HistoryIndex& index) {
    return CountPassingSets(FilterJudge(options, StartupStatistics{}, index), 2);
}

TEST(FilterCount, KnownCountsOverAllSets) {
    const HistoryIndex none = IndexOf(DrawMode::Normal, {});
    GeneratorOptions options;
    EXPECT_EQ(Count(options, none).passing, 13983816);
    options.condition = DrawCondition::NoTwoInRow;
    EXPECT_EQ(Count(options, none).passing, 7059052);
    options.condition = DrawCondition::EvenOnly;  // no odd number
    const FilterCount even = Count(options, none);
    EXPECT_EQ(even.passing, 134596);
    EXPECT_EQ(even.removedAlone[static_cast<std::size_t>(FilterGroup::Condition)],
              13983816 - 134596);
    EXPECT_DOUBLE_EQ(even.attemptChance, 134596.0 / 13983816.0);

    options.condition = DrawCondition::Any;
    options.mode = DrawMode::NoFour;
    EXPECT_EQ(Count(options, IndexOf(DrawMode::NoFour, {{3, 7, 12, 20, 33, 41}})).passing,
              13983816 - 13804);
    options.mode = DrawMode::NoFive;
    EXPECT_EQ(Count(options, IndexOf(DrawMode::NoFive, {{3, 7, 12, 20, 33, 41}})).passing,
              13983816 - 259);
}

TEST(FilterCount, AgreesWithTheGeneratorsTestsSetBySet) {
    // A small history read as "Losuj" reads it, and every set that holds the
    // forced number put through the generator's tests one by one.
    TempDir dir;
    dir.Write("kulko.txt",
              "1;01.01.2000;1;2;3;4;5;6\r\n2;08.01.2000;7;8;9;30;31;32\r\n"
              "3;15.01.2000;7;14;21;28;35;42\r\n4;22.01.2000;10;11;12;40;41;49\r\n");
    const DrawHistory history = ReadDrawHistory(dir / "kulko.txt");
    ASSERT_EQ(history.damage, "");
    RunningStatistics running;
    for (const PastDraw& draw : history.draws) {
        running.Add(draw.numbers);
    }
    const StartupStatistics statistics = running.Statistics();
    // The back-test's running statistics are those of the start-up read.
    EXPECT_EQ(statistics.recentDraws, history.summary.recentDraws);
    EXPECT_EQ(statistics.mostFrequentNumber, history.summary.mostFrequentNumber);
    EXPECT_EQ(statistics.lowNumberTotal, history.summary.lowNumberTotal);
    GeneratorOptions options;
    options.mode = DrawMode::NoFive;
    options.condition = DrawCondition::NoThreeInRow;
    options.forcing = DrawForcing::WithNumber;
    options.forcedNumber = 40;
    options.recentFilter = RecentFilter::NoTriple;
    options.recentCount = 2;
    options.bias = DrawBias::HighMajority;
    HistoryIndex index = HistoryIndex::Empty(options.mode);
    for (const PastDraw& draw : history.draws) {
        index.Append(draw.numbers);
    }
    const FilterCount count =
        CountPassingSets(FilterJudge(options, statistics, index), 2, kFirstLowest);

    ResultsHistory file(dir / "kulko.txt", options.mode);
    const RecentDrawTest recent(statistics.recentDraws, options.recentCount, options.recentFilter,
                                options.notIfAlreadyDrawn);
    const int target = TargetLowCount(statistics.lowNumberTotal, statistics.highNumberTotal);
    std::int64_t passing = 0;
    for (int lowest = kFirstLowest; lowest <= 44; ++lowest) {
        ForEachSetFrom(lowest, [&](const NumberSet& set) {
            if (std::find(set.begin(), set.end(), 40) != set.end() &&
                PassesBias(options.bias, set, target) && !file.Rejects(set) &&
                PassesCondition(options.condition, set) && !recent.Rejects(set)) {
                ++passing;
            }
        });
    }
    EXPECT_GT(passing, 0);
    EXPECT_EQ(count.passing, passing);
    if (!kSanitized) {
        EXPECT_EQ(count.removedAlone[static_cast<std::size_t>(FilterGroup::Forcing)],
                  13983816 - 1712304);
        EXPECT_DOUBLE_EQ(count.attemptChance, static_cast<double>(passing) / 49.0 / 1712304.0);
    }
}

TEST(FilterBacktest, JudgesEachDrawAgainstTheDrawsBeforeIt) {
    const std::vector<PastDraw> draws = {{20000101, {1, 2, 3, 4, 5, 6}},
                                         {20000108, {1, 2, 3, 4, 40, 41}},
                                         {20000115, {10, 11, 12, 13, 14, 15}},
                                         {20000122, {0, 2, 3, 4, 5, 6}}};  // not tested
    GeneratorOptions options;
    options.mode = DrawMode::NoFour;  // the second shares four with the first
    EXPECT_EQ(BacktestFilters(options, draws).letThrough, 2);
    EXPECT_EQ(BacktestFilters(options, draws).tested, 3);
    options.mode = DrawMode::NoSix;  // the third is the first shifted by 9
    EXPECT_EQ(BacktestFilters(options, draws).letThrough, 2);
    options.mode = DrawMode::NoFive;
    EXPECT_EQ(BacktestFilters(options, draws).letThrough, 3);
    options.mode = DrawMode::Normal;
    options.recentFilter = RecentFilter::NoPair;  // only the newest draw before
    EXPECT_EQ(BacktestFilters(options, draws).letThrough, 2);
    options.recentFilter = RecentFilter::Ignore;
    options.forcing = DrawForcing::WithMax;  // the most drawn before: 1, then 1, 1
    EXPECT_EQ(BacktestFilters(options, draws).letThrough, 2);
}

}  // namespace
}  // namespace kulko::test
