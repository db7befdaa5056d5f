#include "systemy/systemy_window.hpp"

namespace kulko {

SystemyWindow::SystemyWindow(std::filesystem::path workDir, std::filesystem::path tablePath,
                             SystemyScreen& screen)
    : systemPage(workDir, screen),
      historyPage(workDir, systemPage),
      filtersPage(workDir),
      numbersPage(workDir),
      tablePath_(std::move(tablePath)) {}

void SystemyWindow::FormCreate() {
    systemPage.Start(tablePath_);
    historyPage.Start();
}

void SystemyWindow::Timer() {
    systemPage.Tick();
}

void SystemyWindow::FormClose() {
    systemPage.Close();
}

}  // namespace kulko
