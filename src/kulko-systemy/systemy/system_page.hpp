#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "systemy/page_controls.hpp"
#include "systemy/search_worker.hpp"
#include "systemy/systemy_screen.hpp"
#include "wheels/system_build.hpp"
#include "wheels/wheel_table.hpp"

namespace kulko {

// The page "System skrócony" without a toolkit: the player picks numbers
// and a guarantee, "Rozpisz" builds the system on a thread of its own, the
// page shows it with the proof of its guarantee and its odds, and the
// tickets go to the memory, a file, the clipboard or the printer.
class SystemPage {
  public:
    // workDir: the working directory shared with the main program.
    SystemPage(std::filesystem::path workDir, SystemyScreen& screen);
    SystemPage(const SystemPage&) = delete;
    SystemPage& operator=(const SystemPage&) = delete;

    static constexpr const char* kTitle = "System skrócony";
    static constexpr int kDefaultSeconds = 3;
    static constexpr int kDefaultSeed = 1;

    // ---- Controls ----
    std::array<Toggle, 49> liczby;  // liczby[n - 1] for the number n
    TextField wybrane;              // the numbers typed, "1;5;7-12;40"
    TextField wybrano;              // "Wybrano: N liczb", or what the typed text lacks
    Choice gwarancja;               // "3 z 3" to "5 z 6", "pełny system"
    TextField znaczenie;            // the guarantee in words
    TextField czas;                 // seconds of search
    TextField ziarno;               // the seed
    bool inputsEnabled = true;      // numbers, guarantee, time and seed
    Button rozpisz{"Rozpisz"};
    Button przerwij{"Przerwij", false};
    Button szukajDluzej{"Szukaj dłużej", false};
    ProgressBar postep;
    TextField wynik;      // size, bound and proof of the system shown
    TextLines zaklady;    // its tickets, numbered
    TextTable trafienia;  // best hits for 3 to 6 drawn numbers among the chosen
    TextTable szanse;     // odds in one draw
    TextField uwaga;      // what a system does and does not do
    TextField stawka;     // stake per ticket
    TextField koszt;      // cost of the system at that stake
    Button doPamieci{"Do pamięci", false};
    Button zapisz{"Zapisz", false};
    Button kopiuj{"Kopiuj", false};
    Button drukuj{"Drukuj", false};
    TextField stan;        // what the last action did
    TextField tabela;      // the shipped systems at hand
    TextField tabelaPlik;  // where their table lies (a tooltip, not the page's text)

    // ---- Handlers ----
    // Reads the remembered stake and the shipped table (a missing or
    // damaged table only means searching without it).
    void Start(const std::filesystem::path& tablePath);
    void NumberClicked(int n);
    void NumbersTyped();
    void GuaranteeChosen();
    void RozpiszClick();
    void PrzerwijClick();
    void SzukajDluzejClick();
    bool Tick();  // every 100 ms: progress, and the system once found; true when shown anew
    void StakeTyped();
    void StakeConfirmed();  // the field left: the stake is remembered
    void DoPamieciClick();
    void ZapiszClick();
    void KopiujClick();
    void DrukujClick();
    void Close();  // ends a search and remembers the stake

    bool Searching() const { return searching_; }
    // Waits for the search to end and shows its result (tests, scripts).
    void WaitForSearch();
    // The system shown, for the other pages; none before the first one.
    const BuiltSystem* Shown() const { return shown_ ? &*shown_ : nullptr; }
    // The system shown belongs to numbers or a guarantee chosen before:
    // what is done with its tickets waits until it is built again.
    bool Stale() const { return stale_; }

  private:
    // What a handler does while another program holds the working
    // directory (WorkDirLock): the window goes on answering its paint.
    std::function<void()> PaintWhileWaiting() {
        return [this] { screen_.AnswerPaints(); };
    }
    NumberBits ChosenNumbers() const;
    void ShowChoice(NumberBits numbers);
    // Marks the system shown as stale when the choice is no longer its own.
    void MarkStaleUnlessChosen(bool typedTextValid);
    // How many of the system's tickets the memory holds already.
    std::size_t TicketsInMemory() const;
    void StartSearch(std::shared_ptr<SystemBuild> build);
    void EndSearch();
    void ShowSystem(const BuiltSystem& system);
    void ShowCost();
    std::vector<std::string> TicketLines() const;

    std::filesystem::path workDir_;
    SystemyScreen& screen_;
    WheelTable table_;
    SearchWorker worker_;
    std::shared_ptr<SystemBuild> build_;  // the last build, for "Szukaj dłużej"
    std::optional<BuiltSystem> shown_;
    NumberBits shownNumbers_ = 0;
    Guarantee shownGuarantee_;
    std::string savedStake_;
    bool searching_ = false;  // from the start of a search until its result is shown
    bool stale_ = false;
};

}  // namespace kulko
