// What an import makes of the draws it is given: draw numbers are checked,
// never invented; draws from the future are refused; a day with two draws
// goes in whole, as often as it is given.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ctime>

#include "wyniki/tool_run.hpp"

namespace kulko::test {
namespace {

using ImportPlanTest = ToolTest;

std::vector<std::string> ListLines() {
    return ReadAllLines(Sample("lista.txt"));  // draws 7268 to 7297
}

// A line of the history as a table row without its draw number.
std::string WithoutNumber(const std::string& line) {
    std::string row = line.substr(line.find(';') + 1);
    std::replace(row.begin(), row.end(), ';', ',');
    return row;
}

TEST_F(ImportPlanTest, DrawNumbersOfTheInputAreCheckedNotInvented) {
    const std::string history = ShippedWithout(30);
    const std::vector<std::string> list = ListLines();
    std::vector<std::string> gap = list;
    gap.erase(gap.begin() + 12);  // 7280
    const std::vector<std::string> late(list.begin() + 10, list.end());
    const std::pair<std::vector<std::string>, std::string> missing[] = {{gap, "7280"},
                                                                        {late, "7268–7277"}};
    for (const auto& [lines, named] : missing) {
        SCOPED_TRACE(named);
        dir.Write("kulko.txt", history);
        const ToolRun run = Add({Input("lista.txt", JoinLinesCrLf(lines))});
        EXPECT_EQ(run.status, kToolBadInput) << run.out;
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_TRUE(Unchanged(history));
    }
    // A number the base has with another date or other numbers.
    for (const char* line :
         {"7296;04.01.2026;7;10;21;22;42;45", "7296. 03.01.2026 7,10,21,22,42,44"}) {
        SCOPED_TRACE(line);
        dir.Write("kulko.txt", ShippedWithout(1));
        const ToolRun run = Add({Input("lista.txt", std::string(line) + "\n")});
        EXPECT_EQ(run.status, kToolBadInput) << run.out;
        EXPECT_NE(run.err.find("7296"), std::string::npos) << run.err;
        EXPECT_TRUE(Unchanged(ShippedWithout(1)));
    }
    // Without numbers in the input the draws are numbered on, and it is said.
    dir.Write("kulko.txt", history);
    const ToolRun run = Add({Sample("przecinki.csv")});
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_NE(run.out.find("numery nadano kolejno"), std::string::npos) << run.out;
    EXPECT_TRUE(Unchanged(Shipped()));
    // But not across a pause longer than any between the base's last draws
    // (three days): 17.01.2026 is missing, or every draw after 06.01.2026.
    const std::pair<const char*, const char*> pauses[] = {
        {"08.01.2026,1,2,3,4,5,6\n10.01.2026,1,2,3,4,5,7\n13.01.2026,1,2,3,4,5,8\n"
         "15.01.2026,1,2,3,4,5,9\n20.01.2026,1,2,3,4,5,10\n",
         "wiersz 5: między losowaniami z 15.01.2026 i z 20.01.2026 mija 5 dni"},
        {"15.01.2026,1,2,3,4,5,9\n",
         "wiersz 1: między losowaniami z 06.01.2026 i z 15.01.2026 mija 9 dni"}};
    for (const auto& [list, refusal] : pauses) {
        const ToolRun refused = Add({Input("lista.csv", list)});
        EXPECT_EQ(refused.status, kToolBadInput);
        EXPECT_NE(refused.err.find(refusal), std::string::npos) << refused.err;
    }
}

TEST_F(ImportPlanTest, ADrawDatedAfterTodayIsRefused) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char today[16];
    std::strftime(today, sizeof today, "%d.%m.%Y", &local);
    const std::string history = ShippedWithout(30);
    for (const std::string date : {"08.01.2062", "2062-01-08"}) {
        dir.Write("kulko.txt", history);
        std::vector<std::string> lines = ListLines();
        lines.push_back("7298. " + date + " 1,2,3,4,5,6");
        const std::string list = Input("lista.txt", JoinLinesCrLf(lines));
        const ToolRun run = Add({list});
        EXPECT_EQ(run.status, kToolBadInput) << run.out;
        EXPECT_NE(run.err.find(list + ", wiersz 31: "), std::string::npos) << run.err;
        EXPECT_TRUE(Unchanged(history));
    }
    dir.Write("kulko.txt", Shipped());
    const ToolRun run = Add({Input("dzis.txt", "7298. " + std::string(today) + " 1,2,3,4,5,6\n")});
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
}

TEST_F(ImportPlanTest, BothDrawsOfADayGoInAndCanBeGivenAgain) {
    const std::vector<std::string> shipped = ReadAllLines(KULKO_SHIPPED_HISTORY);
    const auto is1980 = [](const std::string& line) {
        return line.find(".1980;") != std::string::npos;
    };
    const auto first = std::find_if(shipped.begin(), shipped.end(), is1980);
    const auto end = std::find_if_not(first, shipped.end(), is1980);
    const std::vector<std::string> year(first, end);
    std::vector<std::string> unnumbered;
    for (const std::string& line : year) {
        unnumbered.push_back(WithoutNumber(line));
    }
    const auto before = static_cast<std::size_t>(first - shipped.begin());
    const std::string through1980 = ShippedFirst(before + year.size());
    // From the end of 1979, and from the first of the two draws of 06.01.1980.
    for (const std::size_t kept : {before, before + 1}) {
        for (const auto* lines :
             std::array<const std::vector<std::string>*, 2>{&year, &unnumbered}) {
            SCOPED_TRACE(testing::Message() << kept << " " << lines->front());
            dir.Write("kulko.txt", ShippedFirst(kept));
            const std::string list = Input("1980.txt", JoinLinesCrLf(*lines));
            ToolRun run = Add({list});
            EXPECT_EQ(run.status, kToolSuccess) << run.err;
            EXPECT_TRUE(Unchanged(through1980));
            run = Add({list});
            EXPECT_EQ(run.status, kToolSuccess) << run.err;
            EXPECT_TRUE(run.out.starts_with("Dodano losowań: 0\n")) << run.out;
            EXPECT_TRUE(Unchanged(through1980));
        }
    }
    // The whole history, numbered and not, into itself.
    std::vector<std::string> all;
    for (const std::string& line : shipped) {
        all.push_back(WithoutNumber(line));
    }
    dir.Write("kulko.txt", Shipped());
    for (const std::string& list :
         {std::string(KULKO_SHIPPED_HISTORY), Input("all.csv", JoinLinesCrLf(all))}) {
        const ToolRun run = Add({list});
        EXPECT_EQ(run.status, kToolSuccess) << run.err;
        EXPECT_TRUE(Unchanged(Shipped()));
    }
}

TEST_F(ImportPlanTest, ADrawNumberTheBaseHoldsAnywhereIsNeverNew) {
    // Numbers that repeat and step back, as the validating read lets them.
    const std::string history =
        JoinLinesCrLf({"0687;01.03.1970;3;15;19;22;30;45", "0688;04.03.1970;8;15;17;20;21;31",
                       "0688;07.03.1970;1;2;3;4;5;6", "0687;11.03.1970;7;8;9;10;11;12"});
    const std::pair<const char*, const char*> lists[] = {
        {"0688;14.03.1970;1;2;3;4;5;7", "a baza podaje losowanie nr 688 z 04.03.1970"},
        {"0688;07.03.1970;1;2;3;4;5;6", "Dodano losowań: 0\n"},
        {"14.03.1970;1;2;3;4;5;7", "baza ma już nr 688"},
    };
    for (const auto& [line, answer] : lists) {
        SCOPED_TRACE(line);
        dir.Write("kulko.txt", history);
        const std::string list = Input("lista.txt", std::string(line) + "\n");
        for (int time = 0; time < 2; ++time) {  // imported twice: the same answer
            const ToolRun run = Add({list});
            EXPECT_NE((run.out + run.err).find(answer), std::string::npos) << run.err;
            EXPECT_TRUE(Unchanged(history));
        }
    }
}

}  // namespace
}  // namespace kulko::test
