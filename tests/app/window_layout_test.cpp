// The radio-button groups of the window.
#include <gtest/gtest.h>

#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

TEST_F(WindowTest, SelectingARadioButtonClearsOnlyItsGroup) {
    dir.Write("kulko.txt", "");
    Tgenerator& w = Start();
    w.Select(w.los3);
    EXPECT_TRUE(w.los3.checked);
    EXPECT_FALSE(w.los1.checked);
    EXPECT_TRUE(w.los7.checked);  // another group
    w.Select(w.akt4);
    EXPECT_TRUE(w.akt1.checked);  // akt1 and akt3 are in different groups
    EXPECT_FALSE(w.akt3.checked);
}

}  // namespace
}  // namespace kulko::test
