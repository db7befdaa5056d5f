#pragma once

#include <filesystem>

#include "generator/generator_options.hpp"
#include "systemy/counting_page.hpp"
#include "systemy/page_controls.hpp"

namespace kulko {

// The page "Filtry" without a toolkit: the five option groups of the main
// window's generator, and what they really leave: the exact count of the
// 13,983,816 sets that pass the generator's own tests, the chances of one
// attempt and of one press of "Losuj", how many sets each group removes on
// its own, and the share of past draws the same options would have let
// through beside the share of all sets.
class FiltersPage : public CountingPage<FiltersPage> {
  public:
    explicit FiltersPage(std::filesystem::path workDir);

    static constexpr const char* kTitle = "Filtry";

    // ---- Controls: the option groups, as in the main window ----
    Choice tryb;        // "Tryby losowania"
    Choice warunek;     // "Warunki"
    Choice wymuszenie;  // "Wymuszenia" (a press with "6 liczb minimalnych" draws nothing)
    Choice liczba;      // the number of "z liczbą", 1 to 49
    Choice ostatnie;    // "Ostatnie losowanie"
    Toggle juzByla;     // "nie, jeżeli już była"
    Choice zIlu;        // "Z ilu losowań", 1 to 50
    Choice przewaga;    // "Przewaga"
    Button policz{"Policz"};
    Button przerwij{"Przerwij", false};
    ProgressBar postep;  // while the count runs

    // ---- Controls: the answer ----
    TextField zestawy;    // sets that pass, of all
    TextField szanse;     // chance of one attempt and of one press
    TextTable odrzuca;    // sets each group removes on its own
    TextField losowania;  // past draws let through beside the share of all sets
    TextField stan;       // what the last count did, or why it did not run

    // ---- Handlers ----
    // Counts off the window's thread (CountingPage): reads the results
    // file through the start-up read (a damaged file gives its damage
    // report and no count) and counts. Also the first count, and the count
    // again when an option or the results file changed.
    void PoliczClick();
    // The count itself, on the calling thread.
    void CountNow();

    // The options the groups show, as the generator reads them.
    GeneratorOptions Options() const;

  private:
    void Clear();
    void ShowCount(FiltersPage& counted);

    std::filesystem::path workDir_;
};

}  // namespace kulko
