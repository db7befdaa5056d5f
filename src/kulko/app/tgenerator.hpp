#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/controls.hpp"
#include "app/screen.hpp"
#include "platform/system.hpp"
#include "canvas/canvas.hpp"
#include "game/number_set.hpp"
#include "results/draw_summary.hpp"
#include "stats/draw_log_counter.hpp"
#include "stats/frequency_chart.hpp"
#include "stats/results_counter.hpp"

namespace kulko {

// The program's one window, without a toolkit: every control as plain
// values, the program state shared by the handlers, and one method per
// handler. The Qt front shows these controls and calls these handlers; the
// tests drive them directly.
class Tgenerator {
  public:
    // workDir holds every file of the program. updateHost is the host (and
    // optional ":port") of the update server the program was built with;
    // empty when it has none. A host the system gives at run time wins.
    Tgenerator(std::filesystem::path workDir, Screen& screen, System& system,
               std::string updateHost = DefaultUpdateHost());
    Tgenerator(const Tgenerator&) = delete;
    Tgenerator& operator=(const Tgenerator&) = delete;

    static std::string DefaultUpdateHost();

    // Window: client size and caption.
    static constexpr int kClientWidth = 997;
    static constexpr int kClientHeight = 613;
    std::string Caption = "Kulko";

    // ---- Handlers ----
    void FormCreate();
    // The chart; `chartShown` false when the part of the window being
    // painted does not reach the chart's area: then nothing is read or drawn.
    void FormPaint(Canvas& canvas, bool chartShown = true);
    void Timer1Timer();
    void SpeedButton1Click();   // "Koniec"
    void SpeedButton2Click();   // "Losuj"
    void SpeedButton3Click();   // "Częstość"
    void SpeedButton4Click();   // "Baza"
    void SpeedButton5Click();   // "Czyść pamięć"
    void SpeedButton6Click();   // "Do pamięci"
    void SpeedButton7Click();   // "Z pamięci"
    void SpeedButton8Click();   // "Sprawdź"
    void SpeedButton9Click();   // "Szukaj"
    void SpeedButton10Click();  // "Finanse"
    void SpeedButton11Click();  // "Powrót" of the ledger
    void SpeedButton12Click();  // "Ustaw"
    void BitBtn1Click();        // "Zastosuj"
    void BitBtn2Click();        // "Zamknij okno"
    void BitBtn3Click();        // "Zamknij" of the news
    void BitBtn4Click();        // "Renumeracja bazy"
    void BitBtn5Click();        // "Powrót" of the list view

    void Aktualizacja();      // results update from the server
    void AktualizujWersje();  // program version check
    void SzukajMinimum();     // the six least drawn numbers

    // Parts of start-up and of other handlers, public for the tests.
    enum class SettingsTexts { StartUp, Ustaw };
    void LoadSettings(SettingsTexts texts);
    void SaveSettings();
    void ValidatingRead();
    void ShowMemoryCount();
    // Selects a radio button and clears the others of its group.
    void Select(Control& radio);

    // ---- Program state ----
    std::string ProgramVersion;
    int HighestNumber = 0;
    RecentDrawTable RecentDraws{};
    int MostFrequentNumber = 0;
    int LeastFrequentNumber = 0;
    int LowNumberTotal = 0;
    int HighNumberTotal = 0;
    std::string PendingSetText;  // UTF-8 (digits and ";" only)
    int DrawAttempts = 0;
    // What the start-up read of the results file gathered.
    DrawSummary Summary;
    // Working storage of one press of "Losuj".
    NumberSet CurrentSet{};

    // ---- Controls, in creation order (later panels lie above earlier ones) ----
    // Status row
    Control Label12, Label23, Label25, Label24, Label2;
    // Chart frame, summary box and decoration
    Control Bevel2, Bevel1;
    Control Label4, Label7, Label5, Label6, Label8, Label9, Label10, Label11, Label16, Label17;
    Control Image1;
    // Memory and checking
    Control Label1, Label14, Label13, wyniki_losowan;
    Control SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9;
    // Main button row
    Control Bevel3;
    Control SpeedButton12, SpeedButton10, SpeedButton2, SpeedButton4, SpeedButton3, SpeedButton1;
    // Option groups
    Control GroupBox1, los1, los2, los3, los4;
    Control GroupBox3, w1, w2, w3, w4, w5;
    Control GroupBox2, los7, los6, los8, los9, los5, liczby;
    Control GroupBox4, os1, os2, os3, os4, Label15, ile_los;
    Control GroupBox5, prz1, prz2, prz3, prz4;
    // Drawn set
    Control Panel1, Label3, lista;
    // Ledger
    Control Panel2, Label18, label19, wydatki, Label20, przychody, Label21, Label22, Image2,
        SpeedButton11;
    // News
    Control Panel4, Memo2, BitBtn3;
    // Options
    Control Panel3, Memo1, GroupBox6, akt1, akt2, GroupBox7, akt3, akt4, GroupBox8, kontrola1,
        kontrola2, BitBtn4, BitBtn1, BitBtn2;
    // Drawn balls
    Control Panel5, obraz1, obraz2, obraz3, obraz4, obraz5, obraz6, Label26;
    // List view
    Control panel6, ListBox1, Label27, Image3, BitBtn5;

    // Every control in creation order.
    const std::vector<Control*>& Controls() const { return controls_; }
    // Where the chart is painted: inside its frame.
    Bounds ChartArea() const { return Bevel2.bounds; }

  private:
    std::filesystem::path File(const char* name) const { return workDir_ / name; }
    // What a handler does while it waits for the working directory's lock
    // (WorkDirLock): the window goes on answering its paint.
    std::function<void()> PaintWhileWaiting() {
        return [this] { screen_.AnswerPaints(); };
    }
    void BindButtons();
    void Place(Control& panel, int left, int top, int width, int height);
    void ShowDrawnSet();

    std::filesystem::path workDir_;
    Screen& screen_;
    System& system_;
    std::string updateHost_;
    std::vector<Control*> controls_;
    // What the last reads counted in the results file and the draw log,
    // trusted only while the files are provably unchanged.
    ResultsCounter resultsCounts_;
    DrawLogCounter drawLogCounts_;
    // The two files' paths as the paint hands them to the system, and the
    // chart it drew last.
    std::string resultsPathText_;
    std::string drawLogPathText_;
    FrequencyChartPicture chart_;
};

}  // namespace kulko
