// The memory in the real window: draw, keep the set, type numbers, check.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "gui/gui_support.hpp"

namespace kulko::test {
namespace {

class MemoryGui : public ShownWindowTest {};

TEST_F(MemoryGui, DrawStoreTypeAndCheck) {
    Click("SpeedButton2");  // "Losuj"
    const std::string set = window->Window().PendingSetText;
    ASSERT_FALSE(set.empty());
    Click("SpeedButton6");  // "Do pamięci"
    EXPECT_EQ(dir.Read("wyniki_kulko.txt"), set + "\r\n");
    EXPECT_EQ(LabelText(*window, "Label1"), "Pamięć 1 wyników");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !Find<QWidget>(*window, "SpeedButton6")->isEnabled(); }, 2000));

    // The first three numbers of the kept set, then one that cannot be in it.
    std::size_t cut = 0;
    for (int field = 0; field < 3; ++field) {
        cut = set.find(';', cut) + 1;
    }
    const std::string typed = set.substr(0, cut) + "50";
    QTest::keyClicks(Find<QLineEdit>(*window, "wyniki_losowan"), QString::fromStdString(typed));
    EXPECT_EQ(window->Window().wyniki_losowan.text, typed);
    Click("SpeedButton8");  // "Sprawdź"
    auto* lista = Find<QComboBox>(*window, "lista");
    ASSERT_EQ(lista->count(), 1);
    EXPECT_EQ(lista->currentText().toStdString(), "W zakładach " + set + " znaleziono 3");
}

}  // namespace
}  // namespace kulko::test
