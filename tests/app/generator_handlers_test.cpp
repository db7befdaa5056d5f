// "Losuj" through the window class: options read from the controls, the set
// drawn and logged, failures that leave everything as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/generator_press.hpp"

namespace kulko::test {
namespace {

TEST_F(GeneratorPress, DefaultsAcceptTheFirstAttemptAndShowAndLogIt) {
    Tgenerator& w = StartDefault();
    const std::string expected = NumberSetText(Stream(1)[0]);
    EXPECT_EQ(Press(), "");

    EXPECT_EQ(w.DrawAttempts, 1);
    EXPECT_EQ(w.PendingSetText, expected);
    EXPECT_EQ(w.Panel1.caption, expected);
    EXPECT_EQ(w.Label3.caption, "Ilość losowań 1");
    EXPECT_EQ(screen.repaints, 1);
    EXPECT_TRUE(screen.notices.empty());
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), kStartLog + expected + "\r\n");
    // No "Ikonki": no balls.
    EXPECT_FALSE(w.Panel5.visible);
    EXPECT_TRUE(w.obraz1.picture.Empty());

    // Blue marks of width 5 in the chart columns of the six numbers.
    const auto& steps = screen.marks.Steps();
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].kind, CanvasStep::Kind::Pen);
    EXPECT_EQ(steps[0].color, (Rgb{0, 0, 255}));
    EXPECT_EQ(steps[0].width, 5);
    for (std::size_t k = 0; k < 6; ++k) {
        const int n = w.CurrentSet[k];
        EXPECT_EQ(steps[k + 1].kind, CanvasStep::Kind::Ellipse);
        EXPECT_EQ(std::tie(steps[k + 1].x1, steps[k + 1].y1, steps[k + 1].x2, steps[k + 1].y2),
                  std::make_tuple(14 * n + 33, 250, 14 * n + 39, 256));
    }
}

TEST_F(GeneratorPress, EachPressSeedsAnewAndAppendsItsOwnLine) {
    StartDefault();
    system.seed = 1;
    Press();
    const std::string first = window->PendingSetText;
    system.seed = 2;
    Press();
    const std::string second = window->PendingSetText;
    EXPECT_EQ(first, NumberSetText(CandidateStream(1, 1)[0]));
    EXPECT_EQ(second, NumberSetText(CandidateStream(2, 1)[0]));
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), kStartLog + first + "\r\n" + second + "\r\n");
    EXPECT_EQ(screen.repaints, 2);
}

TEST_F(GeneratorPress, ForcedNumberTypedOrChosenIsInEverySet) {
    Tgenerator& w = StartDefault();
    w.Select(w.los5);
    for (const char* text : {"7", " 7", "$7", "7abc"}) {
        for (std::uint32_t seed : {3u, 4u, 5u}) {
            system.seed = seed;
            w.liczby.text = text;
            ASSERT_EQ(Press(), "");
            EXPECT_NE(std::find(w.CurrentSet.begin(), w.CurrentSet.end(), 7), w.CurrentSet.end())
                << text << " " << w.PendingSetText;
            // Every attempt whose first number was not 7 counted too.
            EXPECT_GE(w.DrawAttempts, 1);
            EXPECT_LE(w.DrawAttempts, 1000);
        }
    }
    EXPECT_TRUE(screen.notices.empty());
}

TEST_F(GeneratorPress, FailedPressKeepsThePreviousSetTheLogAndThePanel) {
    Tgenerator& w = StartDefault();
    Press();
    const std::string previous = w.PendingSetText;
    const std::string log = dir.Read("losowania_kulko.txt");
    const std::string label = w.Label3.caption;
    w.Select(w.los5);
    for (const char* text : {"50", "0", "-7", "siedem", "", "0x32", "99999999999", "ą7"}) {
        w.liczby.text = text;
        screen.notices.clear();
        EXPECT_EQ(Press(), "") << text;
        ASSERT_EQ(screen.notices.size(), 1u) << text;
        EXPECT_EQ(screen.notices[0], kFailureText);
        EXPECT_EQ(w.DrawAttempts, 1001);
        EXPECT_EQ(w.PendingSetText, previous);
        EXPECT_EQ(w.Panel1.caption, previous);
        EXPECT_EQ(w.Label3.caption, label);
        EXPECT_EQ(dir.Read("losowania_kulko.txt"), log);
    }
}

TEST_F(GeneratorPress, EvenOnlyStillAppliesWhenTheTimerDisabledIt) {
    Tgenerator& w = StartDefault();
    w.Select(w.w4);
    w.Select(w.los5);
    w.liczby.text = "7";
    w.Timer1Timer();
    ASSERT_FALSE(w.w4.enabled);
    ASSERT_TRUE(w.w4.checked);
    Press();
    ASSERT_EQ(screen.notices.size(), 1u);  // 7 is odd: no set can pass
    EXPECT_EQ(w.DrawAttempts, 1001);
}

TEST_F(GeneratorPress, MostAndLeastFrequentZeroAfterADamagedReadFailEveryPress) {
    Tgenerator& w = StartWith({"1;2;3;4;5;6", "1;2;3;4;5;6;7"});  // eight semicolons
    ASSERT_EQ(w.MostFrequentNumber, 0);
    for (Control* forcing : {&w.los6, &w.los8}) {
        w.Select(*forcing);
        screen.notices.clear();
        Press();
        EXPECT_EQ(screen.notices, std::vector<std::string>{kFailureText});
    }
}

TEST_F(GeneratorPress, NoSixRejectsTheAttemptsWhoseCandidatesWereDrawnOrShifted) {
    const std::vector<NumberSet> stream = Stream(3);
    // The first candidate moved down to start at 1, the second as drawn
    // but written in another order.
    NumberSet moved = stream[0];
    for (int& n : moved) {
        n -= stream[0][0] - 1;
    }
    NumberSet reversed = stream[1];
    std::reverse(reversed.begin(), reversed.end());
    Tgenerator& w = StartWith({NumberSetText(moved), NumberSetText(reversed)});
    w.Select(w.los2);
    Press();
    EXPECT_EQ(w.DrawAttempts, 3);
    EXPECT_EQ(w.PendingSetText, NumberSetText(stream[2]));
    // "bez 5" looks at shared numbers only: the moved copy does not count.
    ASSERT_NE(stream[0][0], 1) << "choose another seed";
    w.Select(w.los3);
    Press();
    EXPECT_EQ(w.DrawAttempts, 1);
    // "normalny" takes the first.
    w.Select(w.los1);
    Press();
    EXPECT_EQ(w.DrawAttempts, 1);
}

TEST_F(GeneratorPress, RecentDrawsCountOnlyRealDrawsAndTypedCounts) {
    const std::vector<NumberSet> stream = Stream(2);
    // One draw sharing two numbers with the first candidate only.
    std::vector<int> draw{stream[0][0], stream[0][1]};
    for (int n = 1; draw.size() < 6; ++n) {
        if (std::find(stream[0].begin(), stream[0].end(), n) == stream[0].end() &&
            std::find(stream[1].begin(), stream[1].end(), n) == stream[1].end()) {
            draw.push_back(n);
        }
    }
    const int sharedWithSecond =
        static_cast<int>(std::count(stream[1].begin(), stream[1].end(), draw[0]) +
                         std::count(stream[1].begin(), stream[1].end(), draw[1]));
    ASSERT_LT(sharedWithSecond, 2) << "choose another seed";
    std::string part;
    for (int n : draw) {
        part += (part.empty() ? "" : ";") + std::to_string(n);
    }
    Tgenerator& w = StartWith({part});

    // "nie dopuść dwójki" over all 50 rows: 49 of them hold zeros.
    w.Select(w.os2);
    for (const char* count : {"50", "1", "120"}) {
        w.ile_los.text = count;
        Press();
        EXPECT_EQ(w.DrawAttempts, 2) << count;
    }
    // "nie, jeżeli już była" with no row compared rejects everything.
    w.Select(w.os1);
    w.os4.checked = true;
    for (const char* count : {"0", "-2", "abc"}) {
        w.ile_los.text = count;
        screen.notices.clear();
        Press();
        EXPECT_EQ(screen.notices, std::vector<std::string>{kFailureText}) << count;
    }
    // Above 50 the count is 50: two hits never reach it. A number too long
    // for the conversion stops early and loses its sign.
    for (const char* count : {"500", "-99999999999"}) {
        w.ile_los.text = count;
        Press();
        EXPECT_EQ(w.DrawAttempts, 1) << count;
    }
}

TEST_F(GeneratorPress, SixMinimumKeepsTheAttemptCountAndLogsTheSameSetTwice) {
    Tgenerator& w = StartWith({"1;2;3;4;5;6", "7;8;9;10;11;12", "1;7;13;14;15;16"});
    Press();
    ASSERT_EQ(w.DrawAttempts, 1);
    w.Select(w.los9);
    system.seed = 999;  // not used
    Press();
    Press();
    EXPECT_EQ(w.PendingSetText, "17;18;19;20;21;22");
    EXPECT_EQ(w.Panel1.caption, "17;18;19;20;21;22");
    EXPECT_EQ(w.DrawAttempts, 1);
    EXPECT_EQ(w.Label3.caption, "Ilość losowań 1");
    const std::string log = dir.Read("losowania_kulko.txt");
    EXPECT_NE(log.find("17;18;19;20;21;22\r\n17;18;19;20;21;22\r\n"), std::string::npos);
    EXPECT_EQ(screen.repaints, 3);
}

TEST_F(GeneratorPress, SixMinimumCountsTheFileAsItIsNowAndShowsAFailedCount) {
    Tgenerator& w = StartDefault();
    w.Select(w.los5);
    w.liczby.text = "0";
    Press();
    ASSERT_EQ(w.DrawAttempts, 1001);
    // The renumbering or an editor may change the file between presses.
    dir.Write("kulko.txt", Lines({"0001;27.01.1957;1;2;3;4;5;6"}));
    w.Select(w.los9);
    Press();
    EXPECT_EQ(w.PendingSetText, "7;8;9;10;11;12");
    EXPECT_EQ(w.Label3.caption, "Ilość losowań 1001");
}

TEST_F(GeneratorPress, FileErrorsEndThePressWithTheirText) {
    Tgenerator& w = StartDefault();
    // The draw log deleted while the program runs: the set stays shown.
    std::filesystem::remove(dir / "losowania_kulko.txt");
    EXPECT_EQ(Press(), "File not found");
    EXPECT_EQ(w.Panel1.caption, w.PendingSetText);
    EXPECT_FALSE(dir.Exists("losowania_kulko.txt"));

    // The results file gone: the first attempt that reaches the history
    // test fails the press; nothing changes.
    dir.Write("losowania_kulko.txt", kStartLog);
    std::filesystem::remove(dir / "kulko.txt");
    const std::string previous = w.PendingSetText;
    EXPECT_EQ(Press(), "File not found");
    EXPECT_EQ(w.PendingSetText, previous);
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), kStartLog);
    // A press whose attempts never get that far does not need the file.
    w.Select(w.los5);
    w.liczby.text = "50";
    EXPECT_EQ(Press(), "");
    EXPECT_EQ(screen.notices, std::vector<std::string>{kFailureText});
    w.Select(w.los9);
    EXPECT_EQ(Press(), "File not found");

    // The attempt count stays at the attempt that needed the file: with
    // "przewaga wysokich" the first candidate of four high numbers.
    w.Select(w.los7);
    w.Select(w.prz4);
    const std::vector<NumberSet> stream = Stream(1000);
    const auto needing = std::find_if(stream.begin(), stream.end(), [](const NumberSet& set) {
        return std::count_if(set.begin(), set.end(), [](int n) { return n >= 25; }) >= 4;
    });
    ASSERT_NE(needing, stream.begin()) << "the first attempt must fail the bias here";
    EXPECT_EQ(Press(), "File not found");
    EXPECT_EQ(w.DrawAttempts, needing - stream.begin() + 1);
}

}  // namespace
}  // namespace kulko::test
