// Closing the news and the list view, and "Koniec".
#include <gtest/gtest.h>

#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

TEST_F(WindowTest, NewsAndListViewCloseButtons) {
    dir.Write("kulko.txt", "");
    Tgenerator& w = Start();
    EXPECT_TRUE(w.Panel4.visible);
    w.BitBtn2Click();
    EXPECT_TRUE(w.Panel4.visible);  // uncovered, still shown
    w.BitBtn3Click();
    EXPECT_FALSE(w.Panel4.visible);
    w.panel6.visible = true;
    w.BitBtn5Click();
    EXPECT_FALSE(w.panel6.visible);
}

TEST_F(WindowTest, KoniecAsksAndEndsOnlyOnYes) {
    dir.Write("kulko.txt", "");
    Tgenerator& w = Start();
    screen.answers = {false};
    const int repaints = screen.repaints;
    w.SpeedButton1Click();
    EXPECT_EQ(screen.questions.back(), "Koniec pracy ?");
    EXPECT_EQ(system.exits, 0);
    EXPECT_EQ(screen.repaints, repaints + 1);
    screen.answers = {true};
    EXPECT_THROW(w.SpeedButton1Click(), ProgramExited);
    EXPECT_EQ(system.exits, 1);
}

}  // namespace
}  // namespace kulko::test
