// Start-up: everything that runs inside the window's creation, in order.
#include <exception>
#include <string>

#include "app/tgenerator.hpp"
#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "update/program_version.hpp"
#include "files/text_file.hpp"
#include "results/summary_texts.hpp"
#include "results/validating_read.hpp"
#include "settings/settings_files.hpp"

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
    // 1. Status row and the settings defaults.
    Label12.caption.clear();
    Select(akt1);
    Select(akt3);
    Select(kontrola1);
    Label23.caption.clear();
    Label25.caption.clear();
    Label24.caption = "Sprawdzanie poprawnosci danych - czekaj !";

    // 2. The news, once.
    if (FileExists(File("komunikat_l.113"))) {
        Panel4.visible = false;
    } else {
        Place(Panel4, 218, 122, 301, 182);
        WriteNewFile(File("komunikat_l.113"), {});
    }

    // 3. Settings, or the settings panel when any file is missing.
    if (AllSettingsFilesExist(workDir_)) {
        LoadSettings(SettingsTexts::StartUp);
        Panel3.visible = false;
    } else {
        Place(Panel3, 218, 122, 425, 279);
    }

    // 4-5. Version, caption and the local version note.
    ProgramVersion = kProgramVersion;
    Caption = "Kulko " + ProgramVersion;
    WriteNewFile(File("kulko.wer"), ProgramVersion + "\r\n");

    // 6-7. Version check and results update. A results update that fails
    // with an input/output error (a replacement that could not be made)
    // does not cut start-up short: it goes on with the old file, and the
    // error comes out once the window is ready, for its box.
    if (akt3.checked) {
        AktualizujWersje();
    }
    std::exception_ptr updateError;
    if (akt1.checked) {
        try {
            Aktualizacja();
        } catch (const InOutError&) {
            updateError = std::current_exception();
        }
    }

    // 8-9. Option defaults and empty inputs.
    Select(los1);
    Select(los7);
    Select(w1);
    Select(os1);
    Select(prz1);
    lista.text.clear();
    wyniki_losowan.text.clear();

    // 10. Ledger grid headings.
    for (Control* grid : {&wydatki, &przychody}) {
        grid->cells.SetCell(0, 0, "Data");
        grid->cells.SetCell(1, 0, "Kwota");
        grid->cells.SetCell(2, 0, "Opis");
    }

    // 11-13. Summary accumulators and the two number combos.
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

    // 14. The draw log starts with one line.
    if (!FileExists(File("losowania_kulko.txt"))) {
        WriteNewFile(File("losowania_kulko.txt"), "1;2;3;4;5;6\r\n");
    }

    // 15. Memory count.
    ShowMemoryCount();

    // 16-18. Count, validate and summarise the results file (one read).
    ValidatingRead();

    if (updateError) {
        std::rethrow_exception(updateError);
    }
}

void Tgenerator::ValidatingRead() {
    // The file is read once: a first pass over it counts its lines, which
    // tells the summary where the newest fifty draws begin.
    const bool check = kontrola1.checked;
    const ResultsFileRead read = ValidateResultsFile(File("kulko.txt"), check, Summary);
    ResultsLineTotal = read.lineTotal;
    const ValidationVerdict& verdict = read.verdict;
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
