// The results tool as its users run it: every accepted input form brings a
// short copy of the shipped history back to the whole of it; bad lines,
// conflicts and a damaged results file stop it without touching the file.
#include "wyniki/results_tool.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/window_fixture.hpp"
#include "tool_run.hpp"
#include "import/date_token.hpp"

namespace kulko::test {
namespace {

using ResultsToolTest = ToolTest;

class EachInputForm : public ResultsToolTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EachInputForm, BringsTheHistoryCutShortBackToTheShippedFile) {
    dir.Write("kulko.txt", ShippedWithout(30));
    const ToolRun run = Add({Sample(GetParam())});
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_TRUE(run.out.starts_with("Dodano losowań: 30")) << run.out;
    EXPECT_NE(run.out.find("\nOstatnie losowanie: 06.01.2026\n"), std::string::npos) << run.out;
    EXPECT_EQ(dir.Read("kulko.txt"), Shipped());
}

INSTANTIATE_TEST_SUITE_P(Samples, EachInputForm,
                         ::testing::Values("wlasny.txt", "lista.txt", "przecinki.csv",
                                           "sredniki.csv", "tabulatory.tsv", "niemiecki.csv",
                                           "angielski.csv", "przegladarka.tsv", "spacje.txt",
                                           "usa.csv"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST_F(ResultsToolTest, DrawsOutOfOrderGoInByDate) {
    dir.Write("kulko.txt", ShippedWithout(30));
    std::vector<std::string> lines = ReadAllLines(Sample("lista.txt"));
    std::reverse(lines.begin(), lines.end());
    std::swap(lines[3], lines[20]);
    // Half from a file, half from standard input.
    const std::vector<std::string> first(lines.begin(), lines.begin() + 15);
    const std::vector<std::string> rest(lines.begin() + 15, lines.end());
    const ToolRun run =
        Add({Input("pierwsze.txt", JoinLinesCrLf(first)), "-"}, JoinLinesCrLf(rest));
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_EQ(dir.Read("kulko.txt"), Shipped());
}

TEST_F(ResultsToolTest, DrawsAlreadyThereAreSkippedNotDoubled) {
    dir.Write("kulko.txt", ShippedWithout(1));
    const std::string list = Input("lista.txt", Lines({
                                                    "7296;03.01.2026;7;10;21;22;42;45",
                                                    // Both draws of a day with two.
                                                    "0688;01.03.1970;8;15;17;20;21;31",
                                                    "687. 01.03.1970 45,30,22,19,15,3",
                                                    "7297. 06.01.2026 47,28,26,14,10,9",
                                                    "06.01.2026,9,10,14,26,28,47",
                                                    // No draw on this day in the history.
                                                    "2026-01-02;1;2;3;4;5;6",
                                                }));
    ToolRun run = Add({list});
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_EQ(run.out,
              "Dodano losowań: 1\n  7297;06.01.2026;9;10;14;26;28;47\n"
              "Pominięto już obecnych w bazie: 4\n"
              "Pominięto starszych od ostatniego losowania w bazie, których w niej brak: 1\n"
              "Ostatnie losowanie: 06.01.2026\nPoprzednia baza: " +
                  Base() + ".poprzednia\n");
    EXPECT_EQ(dir.Read("kulko.txt"), Shipped());

    run = Add({list});
    EXPECT_EQ(run.status, kToolSuccess);
    EXPECT_TRUE(run.out.starts_with("Dodano losowań: 0\n"));
    EXPECT_EQ(dir.Read("kulko.txt"), Shipped());
}

TEST_F(ResultsToolTest, NewDrawsGoWhereTheProgramReadsThemAndOldBytesStay) {
    // The last line without its line end, then an end-of-file mark and what
    // the program never reads.
    std::string history = ShippedWithout(1);
    history.resize(history.size() - 2);
    const std::string unread =
        "\x1a"
        "7297;06.01.2026;1;2;3;4;5;6\r\n";
    dir.Write("kulko.txt", history + unread);
    const ToolRun run = Add({Sample("wlasny.txt")});
    EXPECT_EQ(run.status, kToolSuccess) << run.err;
    EXPECT_EQ(dir.Read("kulko.txt"), Shipped() + unread);
}

TEST_F(ResultsToolTest, ABadLineStopsTheImportNamingItsFileLineAndContent) {
    const std::string history = ShippedWithout(30);
    const std::pair<std::string, std::string> cases[] = {
        {"29.02.2026,1,2,3,4,5,6", "nieistniejąca data"},
        {"2026-13-01,1,2,3,4,5,6", "nieistniejąca data"},
        {"07.01.2026;1;2;3;4;5;50", "to nie jest sześć różnych liczb od 1 do 49"},
        {"7298. 07.01.2026 1,2,3,4,5,5", "to nie jest sześć różnych liczb od 1 do 49"},
        {"07.01.2026\t1\t2\t3\t4\t5", "wiersz ma 5 liczb po dacie, a powinien mieć 6"},
        {"Data,L1,L2,L3,L4,L5,L6", "nagłówek tabeli może stać tylko w jej pierwszym wierszu"},
        {"<td>07.01.2026</td>", "brak daty; " + std::string(kDateForms)},
    };
    for (const auto& [line, reason] : cases) {
        SCOPED_TRACE(line);
        dir.Write("kulko.txt", history);
        const std::string list = Input("lista.csv", Lines({"30.10.2025,3,10,15,30,31,49", line}));
        const ToolRun run = Add({list});
        EXPECT_EQ(run.status, kToolBadInput);
        EXPECT_EQ(run.err, "kulko-wyniki: " + list + ", wiersz 2: " + reason + ": " + line +
                               "\nBaza nie została zmieniona.\n");
        EXPECT_EQ(dir.Read("kulko.txt"), history);
    }
}

TEST_F(ResultsToolTest, TheSameDateWithOtherNumbersStopsTheImport) {
    const std::string history = ShippedWithout(1);
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"03.01.2026,1,2,3,4,5,6"},
         "wiersz 1: losowanie z 03.01.2026 ma liczby 1;2;3;4;5;6, a baza podaje dla tej daty "
         "liczby 7;10;21;22;42;45"},
        {{"01.03.1970,3,15,19,22,30,31"}, "a baza podaje dla tej daty liczby 3;15;19;22;30;45"},
        {{"06.01.2026,9,10,14,26,28,47", "07.01.2026,1,2,3,4,5,6", "06.01.2026,9,10,14,26,28,48"},
         "wiersz 3: losowanie z 06.01.2026 ma liczby 9;10;14;26;28;48, a "},
    };
    for (const auto& [lines, message] : cases) {
        SCOPED_TRACE(message);
        dir.Write("kulko.txt", history);
        std::string list = Input("lista.csv", "");
        for (auto line : lines) {
            list = Input("lista.csv", dir.Read("lista.csv") + std::string(line) + "\n");
        }
        const ToolRun run = Add({list});
        EXPECT_EQ(run.status, kToolBadInput);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(dir.Read("kulko.txt"), history);
    }
}

TEST_F(ResultsToolTest, ADamagedOrMissingResultsFileIsReportedAndLeftAlone) {
    const std::string damaged =
        Lines({"0001;27.01.1957;8;12;31;39;43;45", "0002;3.02.1957;5;10;11;22;25;27"});
    const std::string report = "Wykryto błąd daty w wierszu 0002;3.02.1957;5;10;11;22;25;27";
    dir.Write("kulko.txt", damaged);

    ToolRun run = Add({Sample("wlasny.txt")});
    EXPECT_EQ(run.status, kToolBadInput);
    EXPECT_EQ(run.err, "kulko-wyniki: " + Base() + " nie przechodzi sprawdzenia programu: " +
                           report + "\nBaza nie została zmieniona.\n");
    EXPECT_EQ(dir.Read("kulko.txt"), damaged);

    run = RunTool({"sprawdz", "--baza", Base()});
    EXPECT_EQ(run.status, kToolBadInput);
    EXPECT_EQ(run.out, report + "\n");

    run = RunTool({"publikuj", (dir / "www").string(), "--baza", Base()});
    EXPECT_EQ(run.status, kToolBadInput);
    EXPECT_FALSE(dir.Exists("www"));

    std::filesystem::remove(dir / "kulko.txt");
    run = Add({Sample("wlasny.txt")});
    EXPECT_EQ(run.status, kToolBadInput);
    EXPECT_EQ(run.err,
              "kulko-wyniki: nie ma bazy wyników " + Base() + "\nBaza nie została zmieniona.\n");
    EXPECT_FALSE(dir.Exists("kulko.txt"));
}

TEST(ResultsToolUsage, AWrongCommandLineExitsWithTwoAndHelpWithZero) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"pobierz"},
        {"dodaj"},
        {"publikuj"},
        {"publikuj", "a", "b"},
        {"sprawdz", "a"},
        {"dodaj", "a", "--baza"},
        {"dodaj", "a", "--wersja", "1.14"},
        {"publikuj", "a", "--wersja=nowa"},
        {"sprawdz", "--cicho"},
    };
    for (const auto& args : wrong) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kToolWrongUsage) << ::testing::PrintToString(args);
        EXPECT_TRUE(run.out.empty());
        EXPECT_TRUE(run.err.ends_with("\nPomoc: kulko-wyniki --help\n")) << run.err;
    }
    for (const auto& args : {std::vector<std::string>{"--help"}, {"dodaj", "-h"}}) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.status, kToolSuccess);
        EXPECT_TRUE(run.out.starts_with("Użycie:\n")) << run.out;
    }
}

class CheckCommand : public WindowTest {};

TEST_F(CheckCommand, PrintsWhatTheWindowShowsAfterStartUp) {
    dir.Write("kulko.txt", Shipped());
    WriteSettings(0, 0, 1);
    const Tgenerator& w = Start();
    std::string shown;
    for (const Control* label : {&w.Label24, &w.Label4, &w.Label7, &w.Label5, &w.Label6, &w.Label8,
                                 &w.Label9, &w.Label10, &w.Label11, &w.Label16, &w.Label17}) {
        shown += label->caption + "\n";
    }
    const ToolRun run = RunTool({"sprawdz", "--baza", (dir / "kulko.txt").string()});
    EXPECT_EQ(run.status, kToolSuccess);
    EXPECT_EQ(run.out, shown);
}

}  // namespace
}  // namespace kulko::test
