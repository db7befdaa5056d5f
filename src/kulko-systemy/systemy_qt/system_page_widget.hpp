#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "systemy/system_page.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStringListModel;
class QTableWidget;
class QToolButton;

namespace kulko {

// The page "System skrócony" on screen: widgets in resizable layouts, each
// named after its control, filled from the page's control values and
// feeding the player's edits and presses back into the page's handlers.
class SystemPageWidget : public QWidget {
    Q_OBJECT
  public:
    using RunHandler = std::function<void(const std::function<void()>&)>;

    SystemPageWidget(SystemPage& page, RunHandler run, QWidget* parent = nullptr);

    // Pushes every control's values into its widget.
    void Sync();

  protected:
    // The grid of numbers answers the arrow keys.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildChoice();
    QWidget* BuildSystem();
    QPushButton* MakeButton(const char* name, Button& button, void (SystemPage::*handler)());
    QLineEdit* MakeEdit(const char* name, TextField& field);
    QLabel* MakeLabel(const char* name, const char* spoken);

    SystemPage& page_;
    RunHandler run_;
    std::array<QToolButton*, 49> numbers_{};
    QLineEdit* wybrane_ = nullptr;
    QLabel* wybrano_ = nullptr;
    QComboBox* gwarancja_ = nullptr;
    QLabel* znaczenie_ = nullptr;
    QLineEdit* czas_ = nullptr;
    QLineEdit* ziarno_ = nullptr;
    QProgressBar* postep_ = nullptr;
    QLabel* wynik_ = nullptr;
    QStringListModel* zaklady_ = nullptr;
    std::uint64_t zakladyRevision_ = 0;
    QTableWidget* trafienia_ = nullptr;
    QTableWidget* szanse_ = nullptr;
    QLabel* uwaga_ = nullptr;
    QLineEdit* stawka_ = nullptr;
    QLabel* koszt_ = nullptr;
    QLabel* stan_ = nullptr;
    QLabel* tabela_ = nullptr;
    std::vector<std::pair<QPushButton*, Button*>> buttons_;
};

}  // namespace kulko
