// The pages "Historia zestawów" and "Filtry" through their toolkit-free
// classes, on a small history.
#include <gtest/gtest.h>

#include "support/temp_dir.hpp"
#include "systemy/fake_systemy_screen.hpp"
#include "systemy/filters_page.hpp"
#include "systemy/history_page.hpp"
#include "systemy/system_page.hpp"

namespace kulko::test {
namespace {

constexpr const char* kHistory =
    "1;01.01.2000;3;7;12;20;33;41\r\n2;08.01.2000;3;7;12;40;41;42\r\n"
    "3;15.01.2000;1;2;3;4;5;6\r\n";
constexpr const char* kDamaged = "1;01.01.2000;3;7;12;20;33;50\r\n";
constexpr const char* kDamageReport = "Wykryto błąd zakresu w wierszu 1;01.01.2000;3;7;12;20;33;50";

class AnalysisPagesTest : public ::testing::Test {
  protected:
    AnalysisPagesTest() {
        dir.Write("kulko.txt", kHistory);
        dir.Write("wyniki_kulko.txt", "3;7;12;20;33;41\r\nnic\r\n1;2;3;40;41;42\r\n");
        history.Start();
        history.WaitForCount();
    }
    std::vector<std::string> Counts(std::size_t row) const {
        const auto& cells = history.wyniki.rows.at(row);
        return {cells.begin() + 1, cells.begin() + 5};
    }

    TempDir dir;
    FakeSystemyScreen screen;
    SystemPage systemPage{dir.Path(), screen};
    HistoryPage history{dir.Path(), systemPage};
    FiltersPage filters{dir.Path()};
};

TEST_F(AnalysisPagesTest, HistoryCountsTheChosenSetsBesideChance) {
    EXPECT_EQ(history.pamiec.items,
              (std::vector<std::string>{"3;7;12;20;33;41", "1;2;3;40;41;42"}));
    history.WczytajClick();
    EXPECT_NE(history.stan.text.find("Pominięto"), std::string::npos);
    history.SprawdzClick();
    history.WaitForCount();  // all the memory's sets
    ASSERT_EQ(history.wyniki.rows.size(), 2u) << history.stan.text;
    EXPECT_EQ(Counts(0), (std::vector<std::string>{"0", "1", "0", "1"}));
    EXPECT_EQ(Counts(1), (std::vector<std::string>{"1", "1", "0", "0"}));
    EXPECT_EQ(history.wyniki.rows[1][5], "15.01.2000");
    EXPECT_EQ(history.wyniki.columns[1], "3 trafienia\nprzypadek:\n0,053");
    EXPECT_FALSE(history.wykres.Empty());

    history.zrodlo.index = HistoryPage::kTickedMemory;
    history.SprawdzClick();
    history.WaitForCount();
    EXPECT_TRUE(history.wyniki.rows.empty());
    EXPECT_EQ(history.stan.text, "Zaznacz zestawy do sprawdzenia.");
    history.pamiec.checked[1] = true;
    history.od.text = "08.01.2000";
    history.doDnia.text = "08.01.2000";
    history.SprawdzClick();
    history.WaitForCount();
    ASSERT_EQ(history.wyniki.rows.size(), 1u);
    EXPECT_EQ(Counts(0), (std::vector<std::string>{"0", "1", "0", "0"}));
    EXPECT_EQ(history.stan.text, "Sprawdzono 1 zestaw na 1 losowaniu.");
    // The memory is read anew at every check, and the ticks stay on their sets.
    dir.Write("wyniki_kulko.txt", "1;2;3;40;41;42\r\n4;5;6;7;8;9\r\n");
    history.SprawdzClick();
    history.WaitForCount();
    EXPECT_EQ(history.pamiec.checked, (std::vector<bool>{true, false}));
    EXPECT_EQ(history.wyniki.rows.size(), 1u);

    history.zrodlo.index = HistoryPage::kTyped;
    history.zestaw.text = "3;7;12;20;33;33";
    history.SprawdzClick();
    history.WaitForCount();
    EXPECT_NE(history.stan.text.find("Wpisz zestaw"), std::string::npos);
    history.zestaw.text = "41;33;20;12;7;3";
    history.od.text = "1.1.2000";
    history.SprawdzClick();
    history.WaitForCount();
    EXPECT_NE(history.stan.text.find("DD.MM.RRRR"), std::string::npos);
    history.od.text = "09.01.2000";
    history.SprawdzClick();
    history.WaitForCount();
    EXPECT_EQ(history.stan.text, "W tym zakresie dat nie ma losowań.");
}

TEST_F(AnalysisPagesTest, HistoryOfTheSystemBuiltOnTheFirstPage) {
    history.zrodlo.index = HistoryPage::kSystem;
    history.SprawdzClick();
    history.WaitForCount();
    EXPECT_NE(history.stan.text.find("System skrócony"), std::string::npos);
    systemPage.wybrane.text = "1-7";
    systemPage.NumbersTyped();
    systemPage.gwarancja.index = static_cast<int>(systemPage.gwarancja.items.size()) - 1;
    systemPage.GuaranteeChosen();  // the full system: the 7 sets of six of 1 to 7
    systemPage.RozpiszClick();
    systemPage.WaitForSearch();
    history.SprawdzClick();
    history.WaitForCount();
    ASSERT_EQ(history.wyniki.rows.size(), 7u) << history.stan.text;
    // Draw 3 (1 to 6) is hit 6 by one ticket; draw 1 (3, 7) 2 at best.
    EXPECT_EQ(history.system.text.find("Cały system (7 zakładów)"), 0u) << history.system.text;
    EXPECT_NE(history.system.text.find("6: 1 (przypadek:"), std::string::npos);
    EXPECT_NE(history.system.text.find("Wygrana (3 i więcej) w 1 (przypadek:"), std::string::npos);
}

TEST_F(AnalysisPagesTest, FiltersCountWhatTheOptionsLeave) {
    filters.tryb.index = 3;     // "bez 4"
    filters.warunek.index = 3;  // "tylko parzyste"
    filters.zIlu.index = 1;     // 2 draws
    filters.wymuszenie.index = 2;
    filters.liczba.index = 6;
    const GeneratorOptions options = filters.Options();
    EXPECT_EQ(options.forcing, DrawForcing::WithMin);
    EXPECT_EQ(options.forcedNumber, 7);
    EXPECT_EQ(options.recentCount, 2);
    filters.wymuszenie.index = 0;
    filters.PoliczClick();
    filters.WaitForCount();
    EXPECT_EQ(filters.zestawy.text, "Przechodzi 134 596 z 13 983 816 zestawów (0,963%).")
        << filters.stan.text;
    ASSERT_EQ(filters.odrzuca.rows.size(), 5u);
    EXPECT_EQ(filters.odrzuca.rows[3][0], "Warunki");
    EXPECT_EQ(filters.odrzuca.rows[3][1], "13 849 220");
    EXPECT_EQ(filters.losowania.text.find("Z dawnych losowań te opcje przepuściłyby 0 z 3"), 0u);

    dir.Write("kulko.txt", kDamaged);
    filters.PoliczClick();
    filters.WaitForCount();
    EXPECT_EQ(filters.zestawy.text, "");
    EXPECT_EQ(filters.stan.text, kDamageReport);
    history.SprawdzClick();
    history.WaitForCount();
    EXPECT_TRUE(history.wyniki.rows.empty());
    EXPECT_EQ(history.stan.text, kDamageReport);
}

}  // namespace
}  // namespace kulko::test
