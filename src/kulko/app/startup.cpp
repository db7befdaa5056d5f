// Start-up: everything that runs inside the window's creation, in order.
#include <exception>
#include <functional>
#include <string>

#include "app/tgenerator.hpp"
#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/leftover_files.hpp"
#include "files/text_file.hpp"
#include "files/work_files.hpp"
#include "results/summary_texts.hpp"
#include "results/validating_read.hpp"
#include "settings/settings_files.hpp"
#include "update/program_version.hpp"

namespace kulko {
namespace {

bool AllSettingsFilesExist(const std::filesystem::path& dir) {
    for (Setting setting : kAllSettings) {
        if (!FileExists(dir / SettingFileName(setting))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void Tgenerator::FormCreate() {
    // Every setting on until its file says otherwise; the status row says the
    // results file is being checked.
    Label12.caption.clear();
    Select(akt1);
    Select(akt3);
    Select(kontrola1);
    Label23.caption.clear();
    Label25.caption.clear();
    Label24.caption = "Sprawdzanie poprawnosci danych - czekaj !";

    // The small files of start-up (the marker, the version note, the first
    // draw log) and the results update end only their own step when they
    // fail: the rest of start-up goes on, and the first error comes out once
    // the window is ready, for its box.
    std::exception_ptr firstError;
    const auto step = [&firstError](const std::function<void()>& run) {
        try {
            run();
            return true;
        } catch (const InOutError&) {
            if (!firstError) {
                firstError = std::current_exception();
            }
            return false;
        }
    };

    // What writers that are gone left behind.
    step([this] { RemoveLeftoverFiles(workDir_); });

    // The news panel, on the first start only: the marker file remembers it.
    if (FileExists(File(kFirstRunMarker))) {
        Panel4.visible = false;
    } else {
        Place(Panel4, 218, 122, 301, 182);
        step([this] { WriteNewFile(File(kFirstRunMarker), {}); });
    }

    // The stored settings, or the settings panel when any of their files is
    // missing.
    if (AllSettingsFilesExist(workDir_)) {
        LoadSettings(SettingsTexts::StartUp);
        Panel3.visible = false;
    } else {
        Place(Panel3, 218, 122, 425, 279);
    }

    // The version in the caption and in the local version note, which the
    // version check compares with the server's: replaced whole, so that a
    // note that cannot be written keeps its old content, and then the check
    // has nothing to compare.
    ProgramVersion = kProgramVersion;
    Caption = "Kulko " + ProgramVersion;
    const bool noteWritten =
        step([this] { SafeReplaceWrite(File(kLocalVersionNote), ProgramVersion + "\r\n"); });

    // The version check and the results update, each when its setting is on.
    // A results update that fails (a replacement that could not be made)
    // leaves the old file in use.
    if (akt3.checked && noteWritten) {
        AktualizujWersje();
    }
    if (akt1.checked) {
        step([this] { Aktualizacja(); });
    }

    // The generator's options at their defaults, the set list and the typed
    // numbers empty.
    Select(los1);
    Select(los7);
    Select(w1);
    Select(os1);
    Select(prz1);
    lista.text.clear();
    wyniki_losowan.text.clear();

    // The headings of the two ledger grids.
    for (Control* grid : {&wydatki, &przychody}) {
        grid->cells.SetCell(0, 0, "Data");
        grid->cells.SetCell(1, 0, "Kwota");
        grid->cells.SetCell(2, 0, "Opis");
    }

    // An empty summary, and the choices of the two number combos.
    HighestNumber = kHighestNumber;
    Summary = DrawSummary{};
    std::vector<std::string> items;
    for (int i = 1; i <= 50; ++i) {
        items.push_back(std::to_string(i));
    }
    ile_los.items.Assign(items);
    ile_los.itemIndex = 0;
    ile_los.text = ile_los.items[0];
    items.resize(static_cast<std::size_t>(HighestNumber));
    liczby.items.Assign(items);
    liczby.itemIndex = 0;
    liczby.text = liczby.items[0];

    // A new draw log starts with one line; an existing one, even empty, is
    // never touched.
    step([this] { WriteFileIfMissing(File(kDrawLog), "1;2;3;4;5;6\r\n"); });

    // How many sets the memory holds.
    ShowMemoryCount();

    // Check and summarise the results file, in one read of it.
    ValidatingRead();

    if (firstError) {
        std::rethrow_exception(firstError);
    }
}

void Tgenerator::ValidatingRead() {
    // The file is read once: a first pass over it counts its lines, which
    // tells the summary where the newest fifty draws begin.
    const bool check = kontrola1.checked;
    const NumberCounts countedBefore = Summary.numberFrequency;
    FileIdentity readIdentity;
    const ValidationVerdict verdict =
        ValidateResultsFile(File(kResultsFile), check, Summary, &readIdentity);
    if (verdict.kind != ValidationVerdict::Kind::Sound) {
        Label24.caption = VerdictText(verdict);
        LowNumberTotal = Summary.lowNumberTotal;
        HighNumberTotal = Summary.highNumberTotal;
        RecentDraws = Summary.recentDraws;
        return;
    }

    const auto texts = SummaryTexts(Summary);
    Control* const labels[] = {&Label4, &Label7,  &Label5,  &Label6,  &Label8,
                               &Label9, &Label10, &Label11, &Label16, &Label17};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        labels[i]->caption = texts[i];
    }

    // A read that went through the whole file counted every number of it:
    // the first paint of the chart need not read the file again.
    NumberCounts counted = Summary.numberFrequency;
    for (std::size_t i = 0; i < counted.size(); ++i) {
        counted[i] -= countedBefore[i];
    }
    resultsCounts_.Remember(readIdentity, counted);
    MostFrequentNumber = Summary.mostFrequentNumber;
    LeastFrequentNumber = Summary.leastFrequentNumber;
    LowNumberTotal = Summary.lowNumberTotal;
    HighNumberTotal = Summary.highNumberTotal;
    RecentDraws = Summary.recentDraws;
    if (check) {
        Label24.caption = VerdictText(verdict);
    }
}

}  // namespace kulko
