#include "import/add_command.hpp"

#include <deque>
#include <ostream>
#include <string_view>

#include "files/in_out_error.hpp"
#include "files/previous_version.hpp"
#include "files/text_file.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "import/import_plan.hpp"
#include "import/import_refusals.hpp"
#include "import/imported_text.hpp"
#include "import/shown_line.hpp"
#include "import/tool_files.hpp"
#include "text/cp1250.hpp"

namespace kulko {
namespace {

constexpr const char* kUnchanged = "Baza nie została zmieniona.\n";

int Refused(std::ostream& err) {
    err << kUnchanged;
    return kToolBadInput;
}

// Every input read and its draws placed; false after telling why not.
bool ReadInputs(const ToolOptions& options, const ToolEnvironment& environment, std::istream& in,
                std::ostream& err, std::deque<InputSource>& sources,
                std::vector<PlacedDraw>& draws) {
    for (const std::string& name : options.operands) {
        if (name == "-" && environment.inputIsTerminal) {
            err << "Czytam losowania z wejścia standardowego: wklej albo wpisz wiersze, "
                   "a na końcu naciśnij Ctrl+D na początku pustego wiersza.\n";
        }
        std::optional<std::string> text = ReadInput(name, environment, in, err);
        if (!text) {
            return false;
        }
        InputSource& source =
            sources.emplace_back(InputSource{name, TextReader::FromBytes(std::move(*text))});
        if (const auto bad = ReadInputDraws(source, environment.today, draws)) {
            err << kToolName << PlaceText(bad->place) << ": " << bad->reason;
            if (bad->place.lineNumber != 0) {
                err << ": " << ShownLine(bad->place.content);
            }
            err << "\n";
            return false;
        }
    }
    return true;
}

// The history with the added draws: its lines copied by the system from
// the file as read, the new lines, then an end-of-file mark and what
// follows it (the new lines go before it, or they would never be read).
// The previous history is kept beside it; false when it could not be.
bool WriteImport(const std::filesystem::path& file, const ScannedHistory& history,
                 const ImportPlan& plan) {
    const std::string lines = AddedLines(history.lastByte, plan.added);
    const WritePiece pieces[] = {history.Lines(), std::string_view(lines),
                                 std::string_view(history.tail)};
    const std::filesystem::path kept = file.string() + kPreviousHistorySuffix;
    return ReplaceKeepingPrevious(file, kept, history.Whole(), pieces, history.identity);
}

void PrintPlan(std::ostream& out, const ImportPlan& plan, const ScannedHistory& history,
               bool trial) {
    out << (trial ? "Losowań do dodania: " : "Dodano losowań: ") << plan.added.size();
    if (plan.numberedOn) {
        out << " (dane nie podają numerów losowań: numery " << (trial ? "zostaną nadane" : "nadano")
            << " kolejno od " << plan.added.front().number << ")";
    }
    out << "\n";
    for (const NewDraw& draw : plan.added) {
        out << "  " << HistoryLine(draw) << "\n";
    }
    if (plan.alreadyKnown > 0) {
        out << "Pominięto już obecnych w bazie: " << plan.alreadyKnown << "\n";
    }
    if (plan.olderUnknown > 0) {
        out << "Pominięto starszych od ostatniego losowania w bazie, których w niej brak: "
            << plan.olderUnknown << "\n";
    }
    const std::string lastDate = plan.added.empty() ? Cp1250ToUtf8(history.summary.lastDate)
                                                    : DateText(plan.added.back().dateKey);
    if (!lastDate.empty()) {
        out << "Ostatnie losowanie: " << lastDate << "\n";
    }
}

}  // namespace

int AddDraws(const ToolOptions& options, const ToolEnvironment& environment, std::istream& in,
             std::ostream& out, std::ostream& err) {
    const ChosenResultsFile base =
        ChooseResultsFile(options.resultsFile ? &*options.resultsFile : nullptr, environment);
    std::deque<InputSource> sources;
    std::vector<PlacedDraw> draws;
    if (!ReadInputs(options, environment, in, err, sources, draws)) {
        return Refused(err);
    }
    // From the read of the history to its rename no other program of the
    // project changes the directory; the inputs, which may come slowly
    // through a pipe or from a server, were read before.
    std::optional<WorkDirLock> lock;
    try {
        lock.emplace(DirectoryOf(base.path));
    } catch (const InOutError& error) {
        err << kToolName << WriteFaultText(base.path, error) << "\n";
        return Refused(err);
    }
    const std::optional<ScannedHistory> history =
        ReadHistory(base, environment, true, QuestionsOf(draws), err);
    if (!history) {
        return Refused(err);
    }
    const ImportPlan plan = PlanImport(*history, draws);
    if (plan.refusal) {
        err << kToolName << *plan.refusal << "\n";
        return Refused(err);
    }
    if (base.fromPlayerDirectory) {
        out << "Baza wyników: " << base.path.string() << "\n";
    }
    bool kept = true;
    if (!options.trial && !plan.added.empty()) {
        try {
            kept = WriteImport(base.path, *history, plan);
        } catch (const InOutError& error) {
            err << kToolName << WriteFaultText(base.path, error) << "\n";
            return Refused(err);
        }
    }
    lock.reset();
    PrintPlan(out, plan, *history, options.trial);
    if (options.trial) {
        out << "Próba: " << kUnchanged;
    } else if (!plan.added.empty() && kept) {
        out << "Poprzednia baza: " << base.path.string() << kPreviousHistorySuffix << "\n";
    } else if (!plan.added.empty()) {
        err << kToolName << "nie udało się zachować poprzedniej bazy obok " << base.path.string()
            << "\n";
    }
    return kToolSuccess;
}

}  // namespace kulko
