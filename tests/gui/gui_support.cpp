#include "gui/gui_support.hpp"

#include <QAbstractButton>
#include <QApplication>
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

}  // namespace kulko::test
