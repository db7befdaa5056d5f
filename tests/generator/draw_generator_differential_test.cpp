// The fast generator against the literal reference, press by press.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "files/text_file.hpp"
#include "generator/draw_generator.hpp"
#include "generator/reference_generator.hpp"
#include "generator/sample_histories.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

template <typename T>
T Pick(std::mt19937& random, std::initializer_list<T> values) {
    return *(values.begin() + random() % values.size());
}

GeneratorOptions RandomOptions(std::mt19937& random) {
    GeneratorOptions options;
    options.mode =
        Pick(random, {DrawMode::Normal, DrawMode::NoSix, DrawMode::NoFive, DrawMode::NoFour});
    options.condition =
        Pick(random, {DrawCondition::Any, DrawCondition::NoTwoInRow, DrawCondition::NoThreeInRow,
                      DrawCondition::EvenOnly, DrawCondition::OddOnly});
    options.forcing = Pick(random, {DrawForcing::None, DrawForcing::None, DrawForcing::WithMax,
                                    DrawForcing::WithNumber, DrawForcing::WithMin});
    options.forcedNumber = Pick(random, {static_cast<int>(1 + random() % 49), 7, 1, 49, 0, 50, -7});
    options.recentFilter =
        Pick(random, {RecentFilter::Ignore, RecentFilter::NoPair, RecentFilter::NoTriple});
    options.recentCount =
        Pick(random, {-3, 0, 1, 2, 3, 6, 20, 49, 50, 51, 1000, static_cast<int>(random() % 60)});
    options.notIfAlreadyDrawn = random() % 3 == 0;
    options.bias = Pick(random, {DrawBias::Ignore, DrawBias::AsStatistics, DrawBias::LowMajority,
                                 DrawBias::HighMajority});
    return options;
}

StartupStatistics RandomStatistics(std::mt19937& random) {
    StartupStatistics statistics;
    statistics.mostFrequentNumber = Pick(random, {0, static_cast<int>(1 + random() % 49)});
    statistics.leastFrequentNumber = Pick(random, {0, static_cast<int>(1 + random() % 49)});
    statistics.lowNumberTotal = Pick(random, {0, 3, 100, static_cast<int>(random() % 5000)});
    statistics.highNumberTotal = Pick(random, {0, 4, 100, static_cast<int>(random() % 5000)});
    // Rows of a short history stay zero; a damaged one may hold anything.
    const int filled = static_cast<int>(random() % 51);
    for (int row = 50 - filled; row < 50; ++row) {
        for (int& n : statistics.recentDraws[static_cast<std::size_t>(row)]) {
            n = random() % 20 == 0 ? static_cast<int>(random() % 120) - 30
                                   : static_cast<int>(1 + random() % 49);
        }
    }
    return statistics;
}

// A history that rejects many attempts of this seed's press: lines near the
// candidates the press will draw, mixed with lines of every other kind.
// The literal press reads the whole file at every attempt, so the files are
// kept short.
std::string TrapHistory(std::mt19937& random, std::uint32_t seed) {
    const std::vector<NumberSet> stream = CandidateStream(seed, 12);
    std::string text;
    for (const NumberSet& candidate : stream) {
        text += NearRecordLine(random, candidate, static_cast<int>(random() % 5)) + "\r\n";
    }
    for (int i = 0; i < 8; ++i) {
        text += RandomRecordLine(random, stream) + "\r\n";
    }
    return text;
}

struct Tally {
    int accepted = 0;
    int acceptedLate = 0;  // after the history or another test rejected attempts
    int failed = 0;
};

void ExpectSamePress(const GeneratorOptions& options, const StartupStatistics& statistics,
                     const std::filesystem::path& file, std::uint32_t seed, Tally& tally) {
    RandomSource random(seed);
    ResultsHistory history(file, options.mode);
    int attempts = 0;
    const DrawOutcome fast = DrawRandomSet(options, statistics, history, random, attempts);
    const ReferenceOutcome reference = ReferencePress(options, statistics, file, seed);
    ASSERT_EQ(fast.accepted, reference.accepted) << "seed " << seed;
    ASSERT_EQ(attempts, reference.attempts) << "seed " << seed;
    if (fast.accepted) {
        ASSERT_EQ(NumberSetText(fast.set), NumberSetText(reference.set)) << "seed " << seed;
        ++tally.accepted;
        tally.acceptedLate += attempts > 1 ? 1 : 0;
    } else {
        ++tally.failed;
    }
}

TEST(DrawGeneratorDifferential, SameSetAndAttemptsAsTheLiteralPressOverManySeedsAndOptions) {
    TempDir dir;
    std::mt19937 random(7031);
    Tally tally;
    for (int round = 0; round < 150; ++round) {
        const std::uint32_t seed = static_cast<std::uint32_t>(random());
        GeneratorOptions options = RandomOptions(random);
        const StartupStatistics statistics = RandomStatistics(random);
        dir.Write("kulko.txt", TrapHistory(random, seed));
        ExpectSamePress(options, statistics, dir / "kulko.txt", seed, tally);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    // The rounds covered quick, slow and failed presses alike.
    EXPECT_GT(tally.accepted, 25);
    EXPECT_GT(tally.acceptedLate, 15);
    EXPECT_GT(tally.failed, 10);
}

TEST(DrawGeneratorDifferential, EveryModeAgainstTheTrapHistoryWithoutOtherTests) {
    // Only the history rejects here, so the attempt counts show that the
    // same attempts were rejected, not only that the same set came out.
    TempDir dir;
    std::mt19937 random(99);
    Tally tally;
    for (int round = 0; round < 40; ++round) {
        const std::uint32_t seed = static_cast<std::uint32_t>(random());
        dir.Write("kulko.txt", TrapHistory(random, seed));
        for (DrawMode mode : {DrawMode::NoSix, DrawMode::NoFive, DrawMode::NoFour}) {
            GeneratorOptions options;
            options.mode = mode;
            ExpectSamePress(options, StartupStatistics{}, dir / "kulko.txt", seed, tally);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
    EXPECT_GT(tally.acceptedLate, 40);
}

TEST(DrawGeneratorDifferential, TheShippedHistory) {
    // "bez 4" rejects nearly every attempt against the whole shipped history,
    // and the literal press would read it a thousand times; its first 500
    // draws still reject a good share of the attempts.
    TempDir dir;
    const std::vector<std::string> lines = ReadAllLines(KULKO_SHIPPED_HISTORY);
    std::string first500;
    for (std::size_t i = 0; i < 500; ++i) {
        first500 += lines[i] + "\r\n";
    }
    dir.Write("kulko.txt", first500);

    StartupStatistics statistics;
    statistics.lowNumberTotal = 21000;
    statistics.highNumberTotal = 22000;
    Tally tally;
    std::mt19937 random(5);
    for (DrawMode mode : {DrawMode::NoSix, DrawMode::NoFive, DrawMode::NoFour}) {
        for (int round = 0; round < 3; ++round) {
            GeneratorOptions options;
            options.mode = mode;
            options.bias = round == 0 ? DrawBias::Ignore : DrawBias::AsStatistics;
            const std::filesystem::path file =
                mode == DrawMode::NoFour ? dir / "kulko.txt" : KULKO_SHIPPED_HISTORY;
            ExpectSamePress(options, statistics, file, static_cast<std::uint32_t>(random()), tally);
        }
    }
    EXPECT_EQ(tally.accepted, 9);
}

}  // namespace
}  // namespace kulko::test
