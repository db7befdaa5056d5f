#pragma once

#include <QString>

class QWidget;

namespace kulko {

// Modal boxes with Polish buttons.
bool AskYesNo(QWidget* parent, const QString& text);         // "Pytanie", "Tak" / "Nie"
void ShowInformation(QWidget* parent, const QString& text);  // "Informacja", "OK"
void ShowError(QWidget* parent, const QString& text);        // the error box, "OK"

}  // namespace kulko
