#include "systemy/systemy_window.hpp"

namespace kulko {

SystemyWindow::SystemyWindow(std::filesystem::path workDir, std::filesystem::path tablePath,
                             SystemyScreen& screen)
    : systemPage(std::move(workDir), screen), tablePath_(std::move(tablePath)) {}

void SystemyWindow::FormCreate() {
    systemPage.Start(tablePath_);
}

void SystemyWindow::Timer() {
    systemPage.Tick();
}

void SystemyWindow::FormClose() {
    systemPage.Close();
}

}  // namespace kulko
