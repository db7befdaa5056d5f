#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "systemy/filters_page.hpp"
#include "systemy/history_page.hpp"
#include "systemy/numbers_page.hpp"
#include "systemy/system_page.hpp"
#include "systemy/systemy_screen.hpp"

namespace kulko {

// The window of kulko-systemy without a toolkit: its pages, one tab each,
// and the handlers that concern the whole window. A page is a class of its
// own with its controls and handlers; the Qt front builds one tab for each.
class SystemyWindow {
  public:
    // workDir: the working directory shared with the main program;
    // tablePath: the shipped table of systems.
    SystemyWindow(std::filesystem::path workDir, std::filesystem::path tablePath,
                  SystemyScreen& screen);

    std::string Caption = "Kulko – systemy";
    static std::vector<std::string> PageTitles() {
        return {SystemPage::kTitle, HistoryPage::kTitle, FiltersPage::kTitle, NumbersPage::kTitle};
    }

    // ---- Pages ----
    SystemPage systemPage;
    HistoryPage historyPage;
    FiltersPage filtersPage;
    NumbersPage numbersPage;

    // ---- Handlers ----
    void FormCreate();
    void Timer();      // every 100 ms
    void FormClose();  // ends what runs and keeps what is to be kept

  private:
    std::filesystem::path tablePath_;
};

}  // namespace kulko
