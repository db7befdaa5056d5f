#include "systemy/results_page.hpp"

#include <chrono>
#include <sstream>

#include "files/work_files.hpp"
#include "import/add_command.hpp"
#include "import/import_options.hpp"
#include "systemy/page_history.hpp"
#include "text/polish_text.hpp"

namespace kulko {
namespace {

std::chrono::sys_days DayOf(DateKey date) {
    return std::chrono::year_month_day{std::chrono::year{date / 10000},
                                       std::chrono::month{static_cast<unsigned>(date / 100 % 100)},
                                       std::chrono::day{static_cast<unsigned>(date % 100)}};
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace

std::string DateAndAge(DateKey date, DateKey today) {
    const long days = (DayOf(today) - DayOf(date)).count();
    std::string age =
        days == 0   ? "dziś"
        : days == 1 ? "wczoraj"
        : days > 1  ? Counted(static_cast<std::uint64_t>(days), "dzień", "dni", "dni") + " temu"
                    : "data późniejsza niż dzisiejsza";
    return DateText(date) + ", " + age;
}

ResultsPage::ResultsPage(std::filesystem::path workDir)
    : workDir_(std::move(workDir)), shown_({workDir_ / kResultsFile}) {}

void ResultsPage::Start() {
    ShowNewest();
}

void ResultsPage::ShowNewest() {
    shown_.Take();
    newest_.Start([this, workDir = workDir_, today = today] {
        TextField text;
        if (const std::optional<DrawHistory> history = ReadPageHistory(workDir, text)) {
            text.text = history->draws.empty()
                            ? "Historia nie ma jeszcze losowań."
                            : "Ostatnie losowanie w historii: " +
                                  DateAndAge(history->draws.back().date, today) +
                                  " (losowań: " + WithThousands(history->draws.size()) + ").";
        }
        return [this, text] { ostatnie = text; };
    });
}

void ResultsPage::Import(bool trial) {
    const std::string source = Trimmed(zrodlo.text);
    if (source.empty()) {
        stan.text = "Podaj plik z wynikami albo adres zaczynający się od http:// lub https://.";
        return;
    }
    ToolOptions options;
    options.command = "dodaj";
    options.operands = {source};
    options.resultsFile = workDir_ / kResultsFile;
    options.trial = trial;
    ToolEnvironment environment;
    environment.today = today;
    environment.fetch = fetch;
    raport.Assign({});
    StartCount(
        count_, {postep, przerwij, stan},
        [this, options, environment, trial] {
            std::istringstream in;
            std::ostringstream out;
            std::ostringstream err;
            const int status = AddDraws(options, environment, in, out, err);
            return [this, lines = LinesOf(out.str() + err.str()), status, trial] {
                raport.Assign(lines);
                stan.text = status != kToolSuccess ? "Nic nie dodano: historia jest taka jak była."
                            : trial ? "To tylko podgląd: historia jest taka jak była."
                                    : "Gotowe.";
            };
        },
        source.starts_with("http") ? "Pobieram…" : "Czytam…");
}

void ResultsPage::PokazClick() {
    Import(true);
}

void ResultsPage::DodajClick() {
    Import(false);
}

void ResultsPage::PrzerwijClick() {
    StopCount(count_, {postep, przerwij, stan});
    stan.text = "Przerwano; jeśli wyniki zdążyły się zapisać, historia już je ma.";
}

bool ResultsPage::Tick(bool lookAtFiles) {
    bool changed = newest_.Busy() && newest_.Collect();
    if (count_.Busy()) {
        changed = CollectCount(count_, {postep, przerwij, stan}) || changed;
    }
    if (lookAtFiles && !newest_.Busy() && shown_.Changed()) {
        ShowNewest();
    }
    return changed;
}

void ResultsPage::WaitForCount() {
    count_.Wait();
    newest_.Wait();
    Tick(false);
}

}  // namespace kulko
