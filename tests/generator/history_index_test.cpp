#include "generator/history_index.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "generator/reference_generator.hpp"
#include "generator/sample_histories.hpp"

namespace kulko::test {
namespace {

HistoryIndex IndexOf(const std::vector<std::string>& lines, DrawMode mode) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    TextReader reader = TextReader::FromBytes(text);
    return HistoryIndex::FromText(reader, mode);
}

std::string Line(const std::string& numbers) {
    return "0001;27.01.1957;" + numbers;
}

struct Case {
    const char* record;  // numbers part of the one line of the history
    DrawMode mode;
    NumberSet candidate;
    bool rejected;
};

class HistoryCases : public ::testing::TestWithParam<Case> {};

TEST_P(HistoryCases, RecordRejectsCandidateAsTheLiteralComparisonDoes) {
    const Case& c = GetParam();
    const HistoryIndex index = IndexOf({Line(c.record)}, c.mode);
    EXPECT_EQ(index.Rejects(c.candidate), c.rejected);
    // The cases themselves are checked against the literal comparison.
    EXPECT_EQ(ReferenceRecordRejects(c.mode, c.candidate, Line(c.record)), c.rejected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, HistoryCases,
    ::testing::Values(
        // "bez 6": the draw itself and its shifted copies, in both directions.
        Case{"1;2;3;4;5;6", DrawMode::NoSix, {1, 2, 3, 4, 5, 6}, true},
        Case{"1;2;3;4;5;6", DrawMode::NoSix, {2, 3, 4, 5, 6, 7}, true},
        Case{"1;2;3;4;5;6", DrawMode::NoSix, {44, 45, 46, 47, 48, 49}, true},
        Case{"1;2;3;4;5;6", DrawMode::NoSix, {1, 2, 3, 4, 5, 7}, false},
        Case{"6;5;4;3;2;1", DrawMode::NoSix, {10, 11, 12, 13, 14, 15}, true},
        Case{"40;2;17;9;33;21", DrawMode::NoSix, {10, 17, 25, 29, 41, 48}, true},
        // "bez 6" ignores five shared numbers; "bez 5" and "bez 4" ignore shifts.
        Case{"1;2;3;4;5;6", DrawMode::NoSix, {1, 2, 3, 4, 5, 49}, false},
        Case{"1;2;3;4;5;6", DrawMode::NoFive, {2, 3, 4, 5, 6, 7}, true},
        Case{"1;2;3;4;5;6", DrawMode::NoFive, {3, 4, 5, 6, 7, 8}, false},
        Case{"1;2;3;4;5;6", DrawMode::NoFour, {3, 4, 5, 6, 7, 8}, true},
        Case{"1;2;3;4;5;6", DrawMode::NoFour, {4, 5, 6, 7, 8, 9}, false},
        Case{"1;2;3;4;5;6", DrawMode::Normal, {1, 2, 3, 4, 5, 6}, false},
        // A missing sixth token is 0, so "1;2;3;4;5" sorted is 0..5, whose
        // copy shifted by one is 1..6.
        Case{"1;2;3;4;5", DrawMode::NoSix, {1, 2, 3, 4, 5, 6}, true},
        Case{"1;2;3;4;5", DrawMode::NoFive, {1, 2, 3, 4, 5, 6}, true},
        Case{"1;2;3;4", DrawMode::NoFive, {1, 2, 3, 4, 5, 6}, false},
        // Only the first six tokens take part.
        Case{"1;2;3;4;5;6;7;8", DrawMode::NoSix, {1, 2, 3, 4, 5, 6}, true},
        Case{"9;2;3;4;5;6;1", DrawMode::NoFive, {1, 2, 3, 4, 5, 6}, true},
        Case{"9;10;3;4;5;6;1;2", DrawMode::NoFive, {1, 2, 3, 4, 5, 6}, false},
        // Numbers outside 1 to 49 shift into range only by at most 49.
        Case{"60;61;62;63;64;65", DrawMode::NoSix, {11, 12, 13, 14, 15, 16}, true},
        Case{"60;61;62;63;64;65", DrawMode::NoSix, {10, 11, 12, 13, 14, 15}, false},
        Case{"-5;-4;-3;-2;-1;0", DrawMode::NoSix, {44, 45, 46, 47, 48, 49}, true},
        Case{"-6;-5;-4;-3;-2;-1", DrawMode::NoSix, {44, 45, 46, 47, 48, 49}, false},
        Case{"0;10;20;30;40;48", DrawMode::NoSix, {1, 11, 21, 31, 41, 49}, true},
        // A number standing twice counts twice in the hits.
        Case{"5;5;7;8;9;10", DrawMode::NoSix, {5, 7, 8, 9, 10, 30}, true},
        Case{"5;5;7;8;9;10", DrawMode::NoSix, {6, 7, 8, 9, 10, 11}, false},
        Case{"5;5;5;5;20;30", DrawMode::NoFour, {5, 6, 7, 8, 9, 10}, true},
        Case{"5;5;5;20;30;0", DrawMode::NoFour, {5, 6, 7, 8, 9, 10}, false},
        Case{"5;5;5;5;5;20", DrawMode::NoFive, {5, 20, 30, 31, 32, 33}, true},
        // Zeros, junk and hexadecimal tokens convert as the program converts them.
        Case{"0;0;3;4;5;6", DrawMode::NoFour, {3, 4, 5, 6, 40, 41}, true},
        Case{"0;0;1;2;3;4", DrawMode::NoSix, {1, 2, 3, 4, 5, 6}, false},
        Case{"x;abc;3;4;5;6", DrawMode::NoFour, {3, 4, 5, 6, 7, 8}, true},
        Case{" 7;$8;0x9;10z;11;12", DrawMode::NoSix, {7, 8, 9, 10, 11, 12}, true},
        Case{"7; 8;9;10;11;+12", DrawMode::NoSix, {8, 9, 10, 11, 12, 13}, true}));

TEST(HistoryIndex, LinesAreCutAfterTheirSecondSemicolon) {
    // Without its date a line loses its first number: the numbers part of
    // "0001;1;2;3;4;5;6" is 2;3;4;5;6.
    const std::string noDate = "0001;1;2;3;4;5;6";
    EXPECT_FALSE(IndexOf({noDate}, DrawMode::NoSix).Rejects({1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(IndexOf({noDate}, DrawMode::NoFive).Rejects({2, 3, 4, 5, 6, 7}));
    // An empty line and an empty file reject nothing.
    EXPECT_FALSE(IndexOf({""}, DrawMode::NoSix).Rejects({1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(IndexOf({}, DrawMode::NoFour).Rejects({1, 2, 3, 4, 5, 6}));
}

// Candidates near a record: itself, its shifts, and some numbers replaced.
void AddNearCandidates(const NumberSet& record, std::mt19937& random, std::vector<NumberSet>& out) {
    for (int shift = -48; shift <= 48; shift += 3 + static_cast<int>(random() % 9)) {
        NumberSet moved = record;
        bool inRange = true;
        for (int& n : moved) {
            n += shift;
            inRange = inRange && IsGameNumber(n);
        }
        if (inRange) {
            out.push_back(moved);
        }
    }
    for (int replaced = 1; replaced <= 3; ++replaced) {
        NumberSet near = RandomCandidate(random);
        std::vector<int> kept(record.begin() + replaced, record.end());
        for (int n : near) {
            if (static_cast<int>(kept.size()) == 6) {
                break;
            }
            if (std::find(kept.begin(), kept.end(), n) == kept.end()) {
                kept.push_back(n);
            }
        }
        std::sort(kept.begin(), kept.end());
        std::copy_n(kept.begin(), 6, near.begin());
        out.push_back(near);
    }
}

TEST(HistoryIndex, RejectsExactlyWhatSomeRecordRejectsRecordByRecord) {
    std::mt19937 random(20240607);
    for (int file = 0; file < 3; ++file) {
        std::vector<std::string> lines;
        std::vector<NumberSet> sound;
        for (int i = 0; i < 60; ++i) {
            lines.push_back(RandomRecordLine(random, sound));
            const HistoryIndex::RecordNumbers numbers = HistoryIndex::FirstSixNumbers(lines.back());
            NumberSet set{};
            std::copy(numbers.begin(), numbers.end(), set.begin());
            std::sort(set.begin(), set.end());
            if (std::all_of(set.begin(), set.end(), IsGameNumber) &&
                std::adjacent_find(set.begin(), set.end()) == set.end()) {
                sound.push_back(set);
            }
        }
        std::vector<NumberSet> candidates;
        for (const NumberSet& record : sound) {
            AddNearCandidates(record, random, candidates);
        }
        for (int i = 0; i < 200; ++i) {
            candidates.push_back(RandomCandidate(random));
        }
        for (DrawMode mode : {DrawMode::NoSix, DrawMode::NoFive, DrawMode::NoFour}) {
            const HistoryIndex index = IndexOf(lines, mode);
            int rejected = 0;
            for (const NumberSet& candidate : candidates) {
                const bool expected =
                    std::any_of(lines.begin(), lines.end(), [&](const auto& line) {
                        return ReferenceRecordRejects(mode, candidate, line);
                    });
                ASSERT_EQ(index.Rejects(candidate), expected)
                    << "file " << file << " mode " << static_cast<int>(mode) << " candidate "
                    << NumberSetText(candidate);
                rejected += expected ? 1 : 0;
            }
            // The candidates were chosen to hit the records often.
            EXPECT_GT(rejected, 20) << static_cast<int>(mode);
        }
    }
}

}  // namespace
}  // namespace kulko::test
