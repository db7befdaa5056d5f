#include "qt_shared/message_boxes.hpp"

#include <QMessageBox>
#include <QPushButton>
#include <exception>

#include "qt_shared/conversions.hpp"

namespace kulko {
namespace {

// The program's texts break lines in message boxes with a lone CR, as
// Windows message boxes do; Qt breaks lines only at LF.
QString DisplayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

bool AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pytanie"), DisplayText(text),
                    QMessageBox::NoButton, parent);
    box.setFont(WindowFont());
    QPushButton* yes = box.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Informacja"), DisplayText(text),
                    QMessageBox::NoButton, parent);
    box.setFont(WindowFont());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void RunShowingErrors(QWidget* parent, const std::function<void()>& handler,
                      const std::function<void()>& sync) {
    try {
        handler();
    } catch (const std::exception& error) {
        sync();
        ShowError(parent, QString::fromStdString(error.what()));
    }
    sync();
}

void ShowError(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Błąd"), text, QMessageBox::NoButton,
                    parent);
    box.setFont(WindowFont());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

}  // namespace kulko
