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
class QPushButton;
class QTableWidget;
class QWidget;

namespace kulko {

class CanvasView;

QString Q(const std::string& text);
// Only a changed text is set: an edit keeps its cursor, a label its layout.
void SetText(QLabel* label, const std::string& text);
void SetText(QLineEdit* edit, const std::string& text);
// A read-only table sized to its contents, and its cells from a TextTable.
QTableWidget* NewTable(const char* name);
void Fill(QTableWidget* widget, const TextTable& table);

// Makes the widgets of a page's controls, each named after its control,
// feeds the player's edits back into the control values, runs the page's
// handlers through the window, and pushes the values back into the widgets
// at every Sync.
class PageBinder : public QObject {
  public:
    using RunHandler = std::function<void(const std::function<void()>&)>;

    explicit PageBinder(QObject* owner, RunHandler run) : QObject(owner), run_(std::move(run)) {}

    QLabel* Label(const char* name, const TextField& field);
    QLineEdit* Edit(const char* name, TextField& field);
    QComboBox* Combo(const char* name, Choice& choice);
    QCheckBox* Check(const char* name, const char* caption, Toggle& toggle);
    QPushButton* Push(const char* name, Button& button, std::function<void()> handler);
    QTableWidget* Table(const char* name, const TextTable& table);
    QListWidget* Ticks(const char* name, CheckList& list);
    CanvasView* Chart(const char* name, const Canvas& canvas, int width, int height);

    void Sync();

  private:
    RunHandler run_;
    std::vector<std::function<void()>> syncs_;
};

}  // namespace kulko
