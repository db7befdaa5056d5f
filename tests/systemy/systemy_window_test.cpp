// The systems window as a whole through its toolkit-free class: figures at
// start, a count again when an input changed, and the choices kept.
#include "systemy/systemy_window.hpp"

#include <gtest/gtest.h>

#include "support/temp_dir.hpp"
#include "systemy/fake_systemy_screen.hpp"

namespace kulko::test {
namespace {

constexpr const char* kHistory = "1;01.01.2000;3;7;12;20;33;41\r\n2;08.01.2000;3;7;12;40;41;42\r\n";

class SystemyWindowTest : public ::testing::Test {
  protected:
    std::unique_ptr<SystemyWindow> Open() {
        auto window = std::make_unique<SystemyWindow>(dir.Path(), dir / "brak.txt", screen);
        window->FormCreate();
        window->WaitForCounts();
        return window;
    }

    TempDir dir;
    FakeSystemyScreen screen;
};

TEST_F(SystemyWindowTest, EveryPageShowsItsFiguresAtStartAndAgainOncePerChange) {
    {
        // Nothing to count yet: each page says what to do.
        const auto window = Open();
        EXPECT_NE(window->numbersPage.stan.text.find("Nie ma jeszcze historii"), std::string::npos);
        EXPECT_NE(window->historyPage.stan.text.find("W pamięci nie ma jeszcze zestawów"),
                  std::string::npos);
    }
    dir.Write("kulko.txt", kHistory);
    dir.Write("wyniki_kulko.txt", "3;7;12;20;33;41\r\n");
    const auto window = Open();
    EXPECT_EQ(window->numbersPage.liczby.rows.size(), 49u);
    EXPECT_EQ(window->historyPage.wyniki.rows.size(), 1u);
    EXPECT_EQ(window->systemPage.tabela.text.find("/"), std::string::npos);

    const auto tickTheSecond = [&] {
        bool changed = false;
        for (int i = 0; i < 10; ++i) {
            changed = window->Timer() || changed;
        }
        return changed;
    };
    EXPECT_FALSE(tickTheSecond());  // nothing changed: nothing to show again
    dir.Write("wyniki_kulko.txt", "3;7;12;20;33;41\r\n1;2;3;4;5;6\r\n");
    dir.Write("kulko.txt", std::string(kHistory) + "3;15.01.2000;1;2;3;4;5;6\r\n");
    EXPECT_TRUE(tickTheSecond());
    window->WaitForCounts();
    EXPECT_EQ(window->historyPage.wyniki.rows.size(), 2u);
    EXPECT_EQ(window->numbersPage.stan.text, "Policzono 3 losowania.");
    EXPECT_FALSE(tickTheSecond());
}

TEST_F(SystemyWindowTest, ChoicesComeBackAndADamagedFileGivesDefaults) {
    {
        const auto window = Open();
        window->systemPage.wybrane.text = "1-10;40";
        window->systemPage.NumbersTyped();
        window->systemPage.ziarno.text = "4000000000";
        window->strona = 3;
        window->filtersPage.przewaga.index = 2;
        window->FormClose();
    }
    {
        const auto window = Open();
        EXPECT_TRUE(window->systemPage.liczby[39].checked);
        EXPECT_EQ(window->systemPage.ziarno.text, "4000000000");
        EXPECT_EQ(window->strona, 3);
        EXPECT_EQ(window->filtersPage.przewaga.index, 2);
    }
    // Damaged or foreign: defaults; one value out of its range: its default.
    const std::string good = dir.Read("ustalenia_systemy.txt");
    struct Case {
        std::string bytes, wybrane;
        int strona;
    };
    const Case cases[] = {
        {good.substr(1), "", 0},  // not our mark
        {std::string(good).replace(good.find("strona=3"), 8, "strona=99"), "1-10;40", 0},
        {std::string(good).replace(good.find("liczby=1-10;40"), 14, "liczby=1-10;77"), "", 3},
    };
    for (const Case& c : cases) {
        dir.Write("ustalenia_systemy.txt", c.bytes);
        const auto window = Open();
        EXPECT_EQ(window->strona, c.strona);
        EXPECT_EQ(window->systemPage.wybrane.text, c.wybrane);
    }
}

}  // namespace
}  // namespace kulko::test
