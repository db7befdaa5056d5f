// The page "Liczby" through its toolkit-free class.
#include "systemy/numbers_page.hpp"

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

TEST(NumbersPage, FillsItsTablesAndRefusesADamagedFile) {
    TempDir dir;
    dir.Write("kulko.txt", "1;01.01.2000;3;7;12;20;33;41\r\n2;08.01.2000;3;7;12;40;41;42\r\n");
    NumbersPage page(dir.Path());
    page.ostatnie.text = "1";
    page.PoliczClick();
    page.WaitForCount();
    ASSERT_EQ(page.liczby.rows.size(), 49u) << page.stan.text;
    EXPECT_EQ(page.liczby.rows[2],
              (std::vector<std::string>{"3", "2", "0", "0", "1", "powyżej pasma"}));
    EXPECT_EQ(page.liczby.rows[19][4], "0");  // 20 not in the newest draw
    EXPECT_EQ(page.pary.rows.size(), 1176u);
    EXPECT_EQ(page.pary.rows.front(), (std::vector<std::string>{"3", "7", "2"}));
    EXPECT_EQ(page.trojki.rows.size(), 40u);
    EXPECT_EQ(page.stan.text, "Policzono 2 losowania.");

    page.ostatnie.text = "dziesięć";
    page.PoliczClick();
    page.WaitForCount();
    EXPECT_TRUE(page.liczby.rows.empty());
    EXPECT_NE(page.stan.text.find("Podaj liczbę losowań"), std::string::npos);

    dir.Write("kulko.txt", "1;01.01.2000;3;7;12;20;33;50\r\n");
    page.ostatnie.text = "10";
    page.PoliczClick();
    page.WaitForCount();
    EXPECT_TRUE(page.pary.rows.empty());
    EXPECT_EQ(page.stan.text, "Wykryto błąd zakresu w wierszu 1;01.01.2000;3;7;12;20;33;50");
}

}  // namespace
}  // namespace kulko::test
