#pragma once

#include <filesystem>

#include "canvas/canvas.hpp"
#include "systemy/counting_page.hpp"
#include "systemy/page_controls.hpp"

namespace kulko {

// The page "Liczby" without a toolkit: every number's count, absences and
// recent count beside the band chance alone gives, and the pairs and
// triples drawn most and least often beside their expected count.
class NumbersPage : public CountingPage<NumbersPage> {
  public:
    explicit NumbersPage(std::filesystem::path workDir);

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
    // Counts off the window's thread (CountingPage): reads the results
    // file through the start-up read; a damaged file gives its damage
    // report and empties the tables. Also the first count, and the count
    // again when "ostatnie" or the results file changed.
    void PoliczClick();
    // The count itself, on the calling thread.
    void CountNow();

  private:
    void ShowCount(NumbersPage& counted);

    std::filesystem::path workDir_;
};

}  // namespace kulko
