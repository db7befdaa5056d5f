// Timer1: the clock and the enabled state of options and buttons.
#include <gtest/gtest.h>

#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

class GeneratorTimer : public WindowTest {
  protected:
    void SetUp() override {
        dir.Write("kulko.txt", Lines({"0001;27.01.1957;8;12;31;39;43;45"}));
        WriteSettings('\0', '\0', '\1');
        Start();
    }
    Tgenerator& W() { return *window; }
};

TEST_F(GeneratorTimer, SixMinimumPutsTheOtherGroupsBackAndKeepsThemThere) {
    Tgenerator& w = W();
    w.Select(w.los4);
    w.Select(w.w3);
    w.Select(w.os2);
    w.os4.checked = true;
    w.Select(w.prz3);
    w.Select(w.los9);
    w.Timer1Timer();
    EXPECT_TRUE(w.los1.checked && !w.los4.checked);
    EXPECT_TRUE(w.w1.checked && !w.w3.checked);
    EXPECT_TRUE(w.os1.checked && !w.os2.checked);
    EXPECT_FALSE(w.os4.checked);
    EXPECT_TRUE(w.prz3.checked);  // "Przewaga" is not touched
    EXPECT_TRUE(w.los9.checked);
    // Changed again while "6 liczb minimalnych" stays: back at the next tick.
    w.Select(w.los2);
    w.os4.checked = true;
    w.Timer1Timer();
    EXPECT_TRUE(w.los1.checked && !w.los2.checked);
    EXPECT_FALSE(w.os4.checked);
    // Another forcing leaves the groups alone.
    w.Select(w.los7);
    w.Select(w.los2);
    w.Timer1Timer();
    EXPECT_TRUE(w.los2.checked);
}

TEST_F(GeneratorTimer, ForcingsEnableTheComboAndDisableParity) {
    Tgenerator& w = W();
    struct Row {
        Control* forcing;
        bool comboEnabled;
        bool parityEnabled;
    };
    const Row rows[] = {
        {&w.los5, true, false}, {&w.los6, false, false}, {&w.los8, false, false},
        {&w.los7, false, true}, {&w.los9, false, true},
    };
    for (const Row& row : rows) {
        w.Select(w.w5);
        w.Select(*row.forcing);
        w.Timer1Timer();
        EXPECT_EQ(w.liczby.enabled, row.comboEnabled) << row.forcing->name;
        EXPECT_EQ(w.w4.enabled, row.parityEnabled) << row.forcing->name;
        EXPECT_EQ(w.w5.enabled, row.parityEnabled) << row.forcing->name;
        if (row.forcing != &w.los9) {
            EXPECT_TRUE(w.w5.checked) << "disabling keeps the selection";
        }
    }
}

TEST_F(GeneratorTimer, ButtonsFollowTheTypedNumbersAndTheShownSet) {
    Tgenerator& w = W();
    w.Timer1Timer();
    EXPECT_FALSE(w.SpeedButton8.enabled);
    EXPECT_FALSE(w.SpeedButton9.enabled);
    EXPECT_FALSE(w.SpeedButton6.enabled);  // nothing shown at start

    w.wyniki_losowan.text = "1 2 3";
    w.Panel1.caption = "1;2;3;4;5;6";
    w.Timer1Timer();
    EXPECT_TRUE(w.SpeedButton8.enabled);
    EXPECT_TRUE(w.SpeedButton9.enabled);
    EXPECT_TRUE(w.SpeedButton6.enabled);

    w.wyniki_losowan.text.clear();
    w.Panel1.caption.clear();
    w.Timer1Timer();
    EXPECT_FALSE(w.SpeedButton8.enabled);
    EXPECT_FALSE(w.SpeedButton6.enabled);
}

TEST_F(GeneratorTimer, ShowsTheClock) {
    system.timeOfDay = "14:05:09";
    W().Timer1Timer();
    EXPECT_EQ(W().Label12.caption, "14:05:09");
}

}  // namespace
}  // namespace kulko::test
