#include "gui/gui_support.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <fstream>
#include <iterator>

namespace kulko::test {

void AnswerNextBox(const QString& buttonText, QString* seenText) {
    QTimer::singleShot(0, [buttonText, seenText] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible()) {
                continue;
            }
            if (seenText != nullptr) {
                *seenText = box->text();
            }
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == buttonText) {
                    button->click();
                    return;
                }
            }
        }
        AnswerNextBox(buttonText, seenText);  // not open yet: look again
    });
}

void PrepareWorkDir(const TempDir& dir) {
    std::ifstream history(KULKO_SHIPPED_HISTORY, std::ios::binary);
    dir.Write("kulko.txt", std::string(std::istreambuf_iterator<char>(history), {}));
    dir.Write("ustalenia_kulko.dat", std::string(1, '\0'));
    dir.Write("ustalenia_kulko_apli.dat", std::string(1, '\0'));
    dir.Write("ustalenia_kulko_kontrola.dat", std::string(1, '\1'));
}

void ShownWindowTest::SetUp() {
    PrepareWorkDir(dir);
    dir.Write("komunikat_l.113", "");
    PrepareFiles();
    window = std::make_unique<MainWindow>(dir.Path(), system, "updates.test");
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void ShownWindowTest::Click(const char* name) {
    QWidget* control = Find<QWidget>(*window, name);
    ASSERT_NE(control, nullptr) << name;
    // The control timer enables buttons within 100 ms of a change.
    ASSERT_TRUE(QTest::qWaitFor([control] { return control->isEnabled(); }, 2000)) << name;
    QTest::mouseClick(control, Qt::LeftButton);
}

}  // namespace kulko::test
