// The window's buttons and the handlers their clicks call.
#include <gtest/gtest.h>

#include <vector>

#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

// The Qt window knows a button's handler only from its control: a button
// without one would do nothing when clicked, and one given another
// button's handler would do the wrong thing.
TEST_F(WindowTest, EveryButtonCallsAHandlerOfItsOwn) {
    std::vector<const Control*> buttons;
    for (const Control* control : Window().Controls()) {
        if (control->kind != ControlKind::Button) {
            continue;
        }
        EXPECT_NE(control->onClick, nullptr) << control->name;
        for (const Control* earlier : buttons) {
            EXPECT_NE(control->onClick, earlier->onClick) << control->name << " " << earlier->name;
        }
        buttons.push_back(control);
    }
    EXPECT_EQ(buttons.size(), 17u);
}

}  // namespace
}  // namespace kulko::test
