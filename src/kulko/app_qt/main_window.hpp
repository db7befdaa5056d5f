#pragma once

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <unordered_map>

#include "app/screen.hpp"
#include "app/tgenerator.hpp"

namespace kulko {

class ControlWidgets;

// The real window: shows the controls of Tgenerator as widgets, forwards
// user edits into them, calls the handlers and pushes the changed values
// back. No logic lives here.
class MainWindow : public QWidget, public Screen {
    Q_OBJECT
  public:
    MainWindow(const std::filesystem::path& workDir, System& system,
               const std::string& updateHost = Tgenerator::DefaultUpdateHost());
    ~MainWindow() override;

    Tgenerator& Window() { return *window_; }

    // Calls a handler: an input/output error shows the error box and the
    // program goes on; the widgets then show what the handler changed.
    void Run(const std::function<void()>& handler);
    // Pushes the control values into the widgets.
    void Sync();

    // Screen
    bool Ask(const std::string& text) override;
    void Inform(const std::string& text) override;
    void RepaintNow() override;
    void DrawMarks(const Canvas& marks) override;
    void AnswerPaints() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<Tgenerator> window_;
    std::unique_ptr<ControlWidgets> widgets_;
    Canvas marks_;
    QTimer timer_;
    // True while a handler waits for the working directory: the timer and a
    // close skip their handlers, so none runs inside another.
    bool waiting_ = false;
};

}  // namespace kulko
