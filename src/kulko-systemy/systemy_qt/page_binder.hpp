#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "canvas/canvas.hpp"
#include "systemy/page_controls.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QWidget;

namespace kulko {

class CanvasView;

QString Q(const std::string& text);
// Only a changed text is set: an edit keeps its cursor, a label its layout.
void SetText(QLabel* label, const std::string& text);
void SetText(QLineEdit* edit, const std::string& text);
// A read-only table sized to its contents, and its cells from a TextTable;
// only what changed is set, so that an unchanged table is not laid out again.
QTableWidget* NewTable(const char* name);
void Fill(QTableWidget* widget, const TextTable& table);
// A bar whose end cannot be told (percent below zero) only moves.
void ShowProgress(QProgressBar* widget, const ProgressBar& bar);
// The accessible name and description of a widget, in Polish.
void Speak(QWidget* widget, const QString& name, const QString& description = {});
// A tooltip in a player's words, which is also the accessible description.
void Explain(QWidget* widget, const char* text);

// Makes the widgets of a page's controls, each named after its control,
// feeds the player's edits back into the control values, runs the page's
// handlers through the window, and pushes the values back into the widgets
// at every Sync.
class PageBinder : public QObject {
  public:
    using RunHandler = std::function<void(const std::function<void()>&)>;

    explicit PageBinder(QObject* owner, RunHandler run) : QObject(owner), run_(std::move(run)) {}

    // Each widget is named after its control; spoken: its accessible name
    // in Polish; changed: the handler run when the player changed it.
    QLabel* Label(const char* name, const TextField& field, const char* spoken);
    QLineEdit* Edit(const char* name, TextField& field, const char* spoken,
                    std::function<void()> changed = {});
    QComboBox* Combo(const char* name, Choice& choice, const char* spoken,
                     std::function<void()> changed = {});
    QCheckBox* Check(const char* name, const char* caption, Toggle& toggle,
                     std::function<void()> changed = {});
    QPushButton* Push(const char* name, Button& button, std::function<void()> handler);
    QProgressBar* Progress(const char* name, const ProgressBar& bar);
    // Hidden while it has no rows: the page's "stan" says why.
    QTableWidget* Table(const char* name, const TextTable& table, const char* spoken);
    QListWidget* Ticks(const char* name, CheckList& list, const char* spoken,
                       std::function<void()> changed = {});
    // Hidden while the canvas is empty.
    CanvasView* Chart(const char* name, const Canvas& canvas, int width, int height,
                      const char* spoken);

    // A sync of a widget made by the page itself.
    void Also(std::function<void()> sync) { syncs_.push_back(std::move(sync)); }

    void Sync();

  private:
    RunHandler run_;
    std::vector<std::function<void()>> syncs_;
};

}  // namespace kulko
