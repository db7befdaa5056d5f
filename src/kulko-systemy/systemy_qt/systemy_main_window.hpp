#pragma once

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "systemy/systemy_screen.hpp"
#include "systemy/systemy_window.hpp"

class QTabWidget;

namespace kulko {

class BoundPageWidget;
class SystemPageWidget;

// The real window of kulko-systemy: a tab for each page of SystemyWindow,
// the 100 ms timer, and the screen services (boxes, file dialog,
// clipboard, printing). No logic lives here.
class SystemyMainWindow : public QWidget, public SystemyScreen {
    Q_OBJECT
  public:
    SystemyMainWindow(const std::filesystem::path& workDir, const std::filesystem::path& tablePath);
    ~SystemyMainWindow() override;

    SystemyWindow& Window() { return *window_; }

    // Calls a handler: an error shows the error box and the program goes
    // on; the widgets then show what the handler changed.
    void Run(const std::function<void()>& handler);
    void Sync();

    // SystemyScreen
    void Inform(const std::string& text) override;
    bool Ask(const std::string& question) override;
    std::optional<std::filesystem::path> AskSavePath(const std::string& suggested) override;
    void CopyToClipboard(const std::string& text) override;
    bool Print(const PrintedSystem& document) override;
    void AnswerPaints() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<SystemyWindow> window_;
    QTabWidget* tabs_ = nullptr;
    SystemPageWidget* systemPage_ = nullptr;
    // "Historia zestawów", "Filtry", "Liczby", "Wyniki"
    std::vector<BoundPageWidget*> analysisPages_;
    QTimer timer_;
    void PaceTimer();
    // A handler is waiting for the working directory: the timer's ticks and
    // a close wait for it.
    bool waiting_ = false;
};

}  // namespace kulko
