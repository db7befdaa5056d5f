#include "systemy/systemy_window.hpp"

#include "files/in_out_error.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"

namespace kulko {
namespace {

// Ticks of 100 ms between two looks at the pages' input files while busy.
constexpr int kTicksPerFileLook = 10;
constexpr int kBusyTick = 100;
constexpr int kIdleTick = 1000;

}  // namespace

SystemyWindow::SystemyWindow(std::filesystem::path workDir, std::filesystem::path tablePath,
                             SystemyScreen& screen)
    : systemPage(workDir, screen),
      historyPage(workDir, systemPage),
      filtersPage(workDir),
      numbersPage(workDir),
      resultsPage(workDir),
      workDir_(std::move(workDir)),
      tablePath_(std::move(tablePath)) {}

void SystemyWindow::FormCreate() {
    systemPage.Start(tablePath_);
    Choose(LoadWindowChoices(workDir_ / kSystemyChoicesFile));
    historyPage.Start();
    filtersPage.PoliczClick();
    numbersPage.PoliczClick();
    resultsPage.Start();
}

bool SystemyWindow::Timer() {
    const bool look = idleTick_ || ++ticks_ % kTicksPerFileLook == 0;
    bool changed = resultsPage.Tick(look);
    // Draws just added are counted by the other pages at once.
    const bool lookAtFiles = changed || look;
    changed = systemPage.Tick() || changed;
    changed = historyPage.Tick(lookAtFiles) || changed;
    changed = filtersPage.Tick(lookAtFiles) || changed;
    changed = numbersPage.Tick(lookAtFiles) || changed;
    idleTick_ = !Busy();
    return changed;
}

bool SystemyWindow::Busy() const {
    return systemPage.Searching() || historyPage.Counting() || filtersPage.Counting() ||
           numbersPage.Counting() || resultsPage.Counting();
}

int SystemyWindow::TickMilliseconds() const {
    return Busy() ? kBusyTick : kIdleTick;
}

void SystemyWindow::WaitForCounts() {
    historyPage.WaitForCount();
    filtersPage.WaitForCount();
    numbersPage.WaitForCount();
    resultsPage.WaitForCount();
}

void SystemyWindow::FormClose() {
    systemPage.Close();
    try {
        const WorkDirLock lock(workDir_);
        SaveWindowChoices(workDir_ / kSystemyChoicesFile, Choices());
    } catch (const InOutError&) {
        // The choices are a convenience: a directory that cannot take them
        // (read-only, full, busy) only means the defaults at the next start.
    }
}

}  // namespace kulko
