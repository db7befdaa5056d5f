#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "systemy/filters_page.hpp"
#include "systemy/history_page.hpp"
#include "systemy/numbers_page.hpp"
#include "systemy/results_page.hpp"
#include "systemy/system_page.hpp"
#include "systemy/systemy_screen.hpp"
#include "systemy/window_choices.hpp"

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
        return {SystemPage::kTitle, HistoryPage::kTitle, FiltersPage::kTitle, NumbersPage::kTitle,
                ResultsPage::kTitle};
    }

    // ---- Pages ----
    SystemPage systemPage;
    HistoryPage historyPage;
    FiltersPage filtersPage;
    NumbersPage numbersPage;
    ResultsPage resultsPage;
    int strona = 0;  // the page open, in the order of PageTitles()

    // ---- Handlers ----
    // Brings back what the player chose last, and starts every page's count,
    // so that each shows its figures when first opened.
    void FormCreate();
    // Every TickMilliseconds(): the search's and the counts' progress;
    // about once a second also whether an input file of a page changed.
    // True when a control changed, so that an idle window is not drawn
    // again.
    bool Timer();
    // 100 ms while a search or a count runs, for its progress; a second
    // when idle, which only looks at the files.
    int TickMilliseconds() const;
    bool Busy() const;
    void FormClose();  // ends what runs and keeps what is to be kept

    // Until every page's count has ended and is shown (tests, scripts).
    void WaitForCounts();

    // What the player chose, as kept between runs, and back.
    WindowChoices Choices() const;
    void Choose(const WindowChoices& choices);

  private:
    std::filesystem::path workDir_;
    std::filesystem::path tablePath_;
    int ticks_ = 0;
    bool idleTick_ = false;  // the tick came a second after the last
};

}  // namespace kulko
