// Start-up through the window class: fresh directories, damaged files and
// each settings combination.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "files/in_out_error.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

std::string ShippedHistory() {
    std::ifstream in(KULKO_SHIPPED_HISTORY, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class StartupTest : public WindowTest {};

TEST_F(StartupTest, FreshDirectoryWithOnlyTheResultsFile) {
    dir.Write("kulko.txt", Lines({"0001;27.01.1957;8;12;31;39;43;45"}));
    Tgenerator& w = Start();

    EXPECT_TRUE(dir.Exists("komunikat_l.113"));
    EXPECT_EQ(dir.Read("komunikat_l.113"), "");
    EXPECT_EQ(dir.Read("kulko.wer"), "1.13\r\n");
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), "1;2;3;4;5;6\r\n");
    EXPECT_EQ(w.Caption, "Kulko 1.13");
    EXPECT_EQ(w.ProgramVersion, "1.13");
    EXPECT_EQ(w.HighestNumber, 49);
    // Both panels at the same place, the options panel above the news.
    EXPECT_TRUE(w.Panel3.visible);
    EXPECT_TRUE(w.Panel4.visible);
    EXPECT_EQ(w.Panel3.bounds, (Bounds{218, 122, 425, 279}));
    EXPECT_EQ(w.Panel4.bounds, (Bounds{218, 122, 301, 182}));
    EXPECT_EQ(w.Label1.caption, "");
    EXPECT_EQ(w.Label23.caption, "");
    EXPECT_EQ(w.Label25.caption, "");
    EXPECT_TRUE(w.akt1.checked && w.akt3.checked && w.kontrola1.checked);
    EXPECT_FALSE(w.akt2.checked || w.akt4.checked || w.kontrola2.checked);
    EXPECT_EQ(w.Label24.caption, "Struktura bazy wynikow prawidłowa");
    // Defaults of the option groups and the two combos.
    for (const Control* on : {&w.los1, &w.los7, &w.w1, &w.os1, &w.prz1}) {
        EXPECT_TRUE(on->checked) << on->name;
    }
    EXPECT_FALSE(w.os4.checked);
    ASSERT_EQ(w.ile_los.items.Size(), 50u);
    EXPECT_EQ(w.ile_los.items[49], "50");
    EXPECT_EQ(w.ile_los.text, "1");
    ASSERT_EQ(w.liczby.items.Size(), 49u);
    EXPECT_EQ(w.liczby.items[48], "49");
    EXPECT_EQ(w.liczby.text, "1");
    EXPECT_EQ(w.wydatki.cells.Cell(1, 0), "Kwota");
    EXPECT_EQ(w.przychody.cells.Cell(2, 0), "Opis");
    // No network without stored settings? Both updates run: they ask for
    // the connection (none here) and stop silently.
    EXPECT_TRUE(screen.notices.empty());
}

TEST_F(StartupTest, SecondStartHidesNewsAndKeepsAnExistingDrawLog) {
    dir.Write("kulko.txt", "");
    dir.Write("komunikat_l.113", "");
    dir.Write("losowania_kulko.txt", "");
    WriteSettings(0, 0, 1);
    Tgenerator& w = Start();
    EXPECT_FALSE(w.Panel4.visible);
    EXPECT_FALSE(w.Panel3.visible);
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), "");
    EXPECT_EQ(system.connectionQueries, 0);  // both updates off: no network at all
}

TEST_F(StartupTest, MemoryCountAtStart) {
    dir.Write("kulko.txt", "");
    dir.Write("wyniki_kulko.txt", Lines({"1;2;3;4;5;6", "", "7;8;9;10;11;12"}));
    EXPECT_EQ(Start().Label1.caption, "Pamięć 3 wyników");

    TempDir other;
    other.Write("kulko.txt", "");
    other.Write("wyniki_kulko.txt", "");
    Tgenerator second(other.Path(), screen, system, "updates.test");
    second.FormCreate();
    EXPECT_EQ(second.Label1.caption, "Pamięć 0 wyników");
}

TEST_F(StartupTest, SummaryOfTheShippedHistory) {
    dir.Write("kulko.txt", ShippedHistory());
    WriteSettings(0, 0, 1);
    Tgenerator& w = Start();
    EXPECT_EQ(w.Label24.caption, "Struktura bazy wynikow prawidłowa");
    EXPECT_EQ(w.Label4.caption, "Baza losowań zawiera 7297 wpisów");
    EXPECT_EQ(w.Summary.readDrawCount, 7297u);
    EXPECT_EQ(w.LowNumberTotal + w.HighNumberTotal, 6 * 7297);
    EXPECT_TRUE(IsGameNumber(w.MostFrequentNumber));
    EXPECT_TRUE(IsGameNumber(w.LeastFrequentNumber));
    EXPECT_EQ(w.Label5.caption, "Wartość max " + std::to_string(w.Summary.maximumCount) +
                                    " osiągnął numer " + std::to_string(w.MostFrequentNumber));
    EXPECT_EQ(w.Label16.caption,
              "Liczby niskie wystąpiły" + std::to_string(w.LowNumberTotal) + " razy");
    // The newest draw is row 50.
    for (int n : w.RecentDraws[49]) {
        EXPECT_TRUE(IsGameNumber(n));
    }
}

TEST_F(StartupTest, SummaryLabelsOfASmallFile) {
    dir.Write("kulko.txt", Lines({"1;01.01.2000;1;2;3;10;20;30", "2;08.01.2000;5;6;10;11;30;40",
                                  "3;15.01.2000;2;4;6;8;10;12"}));
    WriteSettings(0, 0, 1);
    Tgenerator& w = Start();
    EXPECT_EQ(w.Label7.caption, "Data ostatniego losowania 15.01.2000");
    EXPECT_EQ(w.Label4.caption, "Baza losowań zawiera 3 wpisów");
    EXPECT_EQ(w.Label5.caption, "Wartość max 3 osiągnął numer 10");
    EXPECT_EQ(w.Label6.caption, "Wartość min 0 osiągnął numer 7");
    EXPECT_EQ(w.Label8.caption, "Dwie w kolejności wystąpiły 1 razy");
    EXPECT_EQ(w.Label9.caption, "Trzy w kolejności wystąpiły 1 razy");
    EXPECT_EQ(w.Label10.caption, "Parzyste wystąpiły w 1 losowaniach");
    EXPECT_EQ(w.Label11.caption, "Nieparzyste wystąpiły w 0 losowaniach");
    EXPECT_EQ(w.Label16.caption, "Liczby niskie wystąpiły15 razy");
    EXPECT_EQ(w.Label17.caption, "Liczby wysokie wystąpiły3 razy");
    EXPECT_EQ(w.RecentDraws[47], (NumberSet{1, 2, 3, 10, 20, 30}));
    EXPECT_EQ(w.RecentDraws[0], (NumberSet{}));
}

TEST_F(StartupTest, EmptyResultsFileGivesZeroSummary) {
    dir.Write("kulko.txt", "");
    WriteSettings(0, 0, 1);
    Tgenerator& w = Start();
    EXPECT_EQ(w.Label4.caption, "Baza losowań zawiera 0 wpisów");
    EXPECT_EQ(w.Label7.caption, "Data ostatniego losowania ");
    EXPECT_EQ(w.Label5.caption, "Wartość max 0 osiągnął numer 1");
    EXPECT_EQ(w.Label6.caption, "Wartość min 0 osiągnął numer 1");
}

TEST_F(StartupTest, DamagedLineIsReportedAndTheSummaryKeepsItsCaptions) {
    dir.Write("kulko.txt", Lines({"0006;05.03.1957;1;2;3;4;5;6", "0007;12.03.1957;1;2;3;4;5;6;7",
                                  "0008;19.03.1957;1;2;3;4;5;60"}));
    WriteSettings(0, 0, 1);
    Tgenerator& w = Start();
    EXPECT_EQ(w.Label24.caption, "Wykryto błąd średników w wierszu 0007;12.03.1957;1;2;3;4;5;6;7");
    EXPECT_EQ(w.Label4.caption, "Aktualna baza numerów zawiera....");
    EXPECT_EQ(w.Label17.caption, "Liczby wysokie (>=25)");
    EXPECT_EQ(w.MostFrequentNumber, 0);
    EXPECT_EQ(w.LeastFrequentNumber, 0);
    EXPECT_EQ(w.LowNumberTotal, 6);
}

TEST_F(StartupTest, DamagedLineShowsItsPolishLettersInTheStatusRow) {
    dir.Write("kulko.txt",
              "1;\xB3\xF3"
              "d\x9F;1\r\n");  // "łódź" in Windows-1250, a date error
    WriteSettings(0, 0, 1);
    EXPECT_EQ(Start().Label24.caption, "Wykryto błąd daty w wierszu 1;łódź;1");
}

TEST_F(StartupTest, CheckOffCountsEverythingAndKeepsTheSettingsText) {
    dir.Write("kulko.txt", Lines({"1;1.1.57;1;2;3;4;5;6;7", "2;01.01.1957;99;2;3;4;5;6"}));
    WriteSettings(0, 0, 0);
    Tgenerator& w = Start();
    EXPECT_EQ(w.Label24.caption, "Kontrola baz wyłączona");
    EXPECT_EQ(w.Label4.caption, "Baza losowań zawiera 2 wpisów");
}

TEST_F(StartupTest, BinaryGarbageNeverCrashes) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i) {
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    }
    for (const std::string& content :
         {garbage, std::string(1000, '\0'), std::string(10 * 1024 * 1024, ';'), std::string("\x1a"),
          std::string(300000, '9')}) {
        TempDir other;
        other.Write("kulko.txt", content);
        other.Write("ustalenia_kulko.dat", std::string(1, 0));
        other.Write("ustalenia_kulko_apli.dat", std::string(1, 0));
        for (char check : {0, 1}) {
            other.Write("ustalenia_kulko_kontrola.dat", std::string(1, check));
            Tgenerator w(other.Path(), screen, system, "updates.test");
            EXPECT_NO_THROW(w.FormCreate());
            EXPECT_FALSE(w.Label24.caption.empty());
        }
    }
}

TEST_F(StartupTest, MissingResultsFileRaisesAfterEveryEarlierStep) {
    WriteSettings(0, 0, 1);
    Tgenerator& w = Window();
    try {
        w.FormCreate();
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
    EXPECT_EQ(w.liczby.items.Size(), 49u);
    EXPECT_TRUE(dir.Exists("losowania_kulko.txt"));
    EXPECT_EQ(w.Label24.caption, "Kontrola baz włączona");
    EXPECT_EQ(w.Label4.caption, "Aktualna baza numerów zawiera....");
}

TEST_F(StartupTest, EmptySettingsFileStopsStartUpAtTheSettings) {
    dir.Write("kulko.txt", "");
    dir.Write("ustalenia_kulko.dat", std::string(1, 0));
    dir.Write("ustalenia_kulko_apli.dat", "");
    dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, 1));
    Tgenerator& w = Window();
    try {
        w.FormCreate();
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "Read beyond end of file");
    }
    EXPECT_TRUE(w.akt2.checked);  // the entry before the empty file was applied
    EXPECT_FALSE(dir.Exists("kulko.wer"));
    EXPECT_TRUE(w.liczby.items.Empty());
}

}  // namespace
}  // namespace kulko::test
