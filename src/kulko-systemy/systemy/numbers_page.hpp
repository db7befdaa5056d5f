#pragma once

#include <filesystem>

#include "canvas/canvas.hpp"
#include "systemy/background_count.hpp"
#include "systemy/file_stamp.hpp"
#include "systemy/page_controls.hpp"

namespace kulko {

// The page "Liczby" without a toolkit: every number's count, absences and
// recent count beside the band chance alone gives, and the pairs and
// triples drawn most and least often beside their expected count.
class NumbersPage {
  public:
    explicit NumbersPage(std::filesystem::path workDir) : workDir_(std::move(workDir)) {}

    static constexpr const char* kTitle = "Liczby";

    // ---- Controls ----
    TextField ostatnie{"10"};  // N of "w ostatnich N losowaniach"
    Button policz{"Policz"};
    Button przerwij{"Przerwij", false};
    ProgressBar postep;    // while the count runs
    TextTable liczby;      // one row a number
    TextField pasmo;       // the expected count and the band of chance
    Canvas wykres;         // the counts against the band
    TextField oczekiwane;  // what chance gives a pair and a triple
    TextTable pary;        // all 1,176 pairs, most frequent first
    TextTable trojki;      // the 20 most and the 20 least frequent triples
    TextField stan;        // what the last count did, or why it did not run

    // ---- Handlers ----
    // Counts off the window's thread (BackgroundCount): reads the results
    // file through the start-up read; a damaged file gives its damage
    // report and empties the tables. Also the first count, and the count
    // again when "ostatnie" changed.
    void PoliczClick();
    void PrzerwijClick();
    // Every tick: shows a count that ended; counts again when the results
    // file changed since the last count. True when a control changed.
    bool Tick(bool lookAtFiles);
    // Until the count has ended and is shown (tests, scripts).
    void WaitForCount();
    bool Counting() const { return count_.Busy(); }

    // The count itself, on the calling thread.
    void CountNow();

  private:
    void ShowCount(NumbersPage& counted);

    std::filesystem::path workDir_;
    BackgroundCount count_;
    FileStamp counted_;  // the results file as at the start of the last count
};

}  // namespace kulko
