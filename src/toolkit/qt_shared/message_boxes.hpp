#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kulko {

// Modal boxes with Polish buttons.
bool AskYesNo(QWidget* parent, const QString& text);         // "Pytanie", "Tak" / "Nie"
void ShowInformation(QWidget* parent, const QString& text);  // "Informacja", "OK"
void ShowError(QWidget* parent, const QString& text);        // the error box, "OK"

// Calls a handler of a window. A failed file operation (InOutError, the
// program's one error type) or any other failure must not end the program:
// the widgets show what the handler did before it, and the error box its
// text. Either way the widgets are brought up to date by sync.
void RunShowingErrors(QWidget* parent, const std::function<void()>& handler,
                      const std::function<void()>& sync);

}  // namespace kulko
