#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "import/tool_environment.hpp"
#include "systemy/background_count.hpp"
#include "systemy/file_stamp.hpp"
#include "systemy/page_controls.hpp"

namespace kulko {

// The page "Wyniki" without a toolkit: the history's newest draw, and new
// draws brought in from a file or an address through the import of the
// results tool ("kulko-wyniki dodaj"): the same reading, rules, messages,
// lock and kept previous history. "Pokaż" shows what "dodaj --proba" would
// say, "Dodaj" adds; both run off the window's thread.
class ResultsPage {
  public:
    explicit ResultsPage(std::filesystem::path workDir);

    static constexpr const char* kTitle = "Wyniki";

    // ---- Controls ----
    TextField ostatnie;  // the newest draw of the history and how long ago it was
    TextField zrodlo;    // a file, or an http:// or https:// address
    Button pokaz{"Pokaż, co przybędzie"};
    Button dodaj{"Dodaj do historii"};
    Button przerwij{"Przerwij", false};
    ProgressBar postep;
    TextLines raport;  // what the import said, line by line
    TextField stan;

    // How an address is fetched (the window's platform); tests set a stand-in.
    std::function<FetchedInput(const std::string& address)> fetch;
    // Today's date; tests set it.
    DateKey today = LocalEnvironment().today;

    // ---- Handlers ----
    void Start();  // the newest draw
    void PokazClick();
    void DodajClick();
    void PrzerwijClick();
    // Every tick: shows an import that ended; the newest draw again when
    // the history changed. True when a control changed.
    bool Tick(bool lookAtFiles);
    void WaitForCount();
    bool Counting() const { return count_.Busy() || newest_.Busy(); }

  private:
    void Import(bool trial);
    void ShowNewest();

    std::filesystem::path workDir_;
    BackgroundCount count_;
    BackgroundCount newest_;  // the read of the history for its newest draw
    InputStamps shown_;       // the history as when its newest draw was shown
};

// "06.01.2026, 336 dni temu": a draw's date and its distance from today.
std::string DateAndAge(DateKey date, DateKey today);

}  // namespace kulko
