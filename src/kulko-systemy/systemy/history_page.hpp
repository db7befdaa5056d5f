#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "analyses/draw_history.hpp"
#include "canvas/canvas.hpp"
#include "game/number_set.hpp"
#include "systemy/counting_page.hpp"
#include "systemy/page_controls.hpp"
#include "wheels/system_build.hpp"

namespace kulko {

class SystemPage;

// The page "Historia zestawów" without a toolkit: how sets would have done
// in the past draws, beside what chance alone gives over as many draws.
// The sets come from the memory file (all or the ticked ones), are typed
// in, or are the system just built on the page "System skrócony".
class HistoryPage : public CountingPage<HistoryPage> {
  public:
    // systemPage: the page whose system the last source takes.
    HistoryPage(std::filesystem::path workDir, const SystemPage& systemPage);

    static constexpr const char* kTitle = "Historia zestawów";
    enum Source { kAllMemory, kTickedMemory, kTyped, kSystem };

    // ---- Controls ----
    Choice zrodlo;     // where the sets come from, in the order of Source
    CheckList pamiec;  // the memory file's sets, to tick
    Button wczytaj{"Wczytaj pamięć"};
    TextField zestaw;  // a set typed as "a;b;c;d;e;f"
    TextField od;      // the first draw's date, DD.MM.RRRR; empty: from the first
    TextField doDnia;  // the last draw's date; empty: to the newest
    Button sprawdz{"Sprawdź"};
    Button przerwij{"Przerwij", false};
    ProgressBar postep;  // while the check runs
    TextTable wyniki;    // one row a set; the headings give chance's counts
    TextField system;    // a whole system: its best ticket per draw, paid draws
    Canvas wykres;       // cumulative hits of 3 or more against the expected line
    TextField stan;      // what the last check did, or why it did not run

    // ---- Handlers ----
    // The memory's sets, as at a press of "Wczytaj pamięć", checked at once.
    void Start();
    void WczytajClick();
    // Checks off the window's thread (CountingPage): reads the results
    // file through the start-up read (a damaged file gives its damage
    // report and no check) and checks the chosen sets. Also the check
    // again when the source, the ticks or the dates changed, and when the
    // results file or the memory changed.
    void SprawdzClick();

  private:
    void CountNow(const std::vector<NumberSet>& sets, const std::optional<BuiltSystem>& built,
                  DateKey from, DateKey to);
    void ShowCount(HistoryPage& counted);
    // The memory file's sets into pamiec; false, with stan saying why, when
    // it cannot be read.
    bool ReadMemory();
    void Clear();
    // The sets of the chosen source; nothing, with stan saying why, when
    // there are none.
    std::optional<std::vector<NumberSet>> ChosenSets();
    void ShowSets(const std::vector<NumberSet>& sets, const std::optional<BuiltSystem>& built,
                  const std::vector<PastDraw>& draws, DrawRange range);

    std::filesystem::path workDir_;
    const SystemPage& systemPage_;
    std::vector<NumberSet> memorySets_;  // as pamiec lists them
    std::size_t skippedLines_ = 0;       // memory lines that are no set
};

}  // namespace kulko
