#include "wyniki/results_tool.hpp"

#include <iostream>
#include <iterator>
#include <system_error>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "game/number_set.hpp"
#include "results/summary_texts.hpp"
#include "text/cp1250.hpp"
#include "wyniki/results_import.hpp"
#include "wyniki/tool_options.hpp"

namespace kulko {
namespace {

constexpr const char* kToolName = "kulko-wyniki: ";
constexpr const char* kUnchanged = "Baza nie została zmieniona.\n";

bool IsSound(const CheckedHistory& history) {
    return history.verdict.kind == ValidationVerdict::Kind::Sound;
}

const char* FaultText(InputLineFault fault) {
    switch (fault) {
        case InputLineFault::Layout:
            return "nierozpoznany wiersz";
        case InputLineFault::Date:
            return "nieistniejąca data";
        case InputLineFault::Numbers:
            return "to nie jest sześć różnych liczb od 1 do 49";
    }
    return "";
}

std::string PlaceText(const InputPlace& place) {
    return place.source + ", wiersz " + std::to_string(place.lineNumber);
}

std::string ConflictText(const DrawConflict& conflict) {
    const InputDraw& draw = conflict.incoming.draw;
    return PlaceText(conflict.incoming.place) + ": losowanie z " + draw.date + " ma liczby " +
           NumberSetText(draw.numbers) + ", a " +
           (conflict.otherPlace ? PlaceText(*conflict.otherPlace) : std::string("baza")) +
           " podaje dla tej daty liczby " + NumberSetText(conflict.other);
}

// Runs one operation on a file; when it fails, tells which file and how.
template <typename Operation>
bool OnFile(const std::filesystem::path& file, std::ostream& err, Operation&& operation) {
    try {
        operation();
        return true;
    } catch (const InOutError& error) {
        err << kToolName << file.string() << ": " << error.what() << "\n";
        return false;
    }
}

// The results file read and checked, or nothing after telling why it cannot be used.
std::optional<CheckedHistory> SoundHistory(const ToolOptions& options, std::ostream& err) {
    std::optional<CheckedHistory> history;
    if (!OnFile(options.resultsFile, err,
                [&] { history = ReadCheckedHistory(options.resultsFile); })) {
        return std::nullopt;
    }
    if (!IsSound(*history)) {
        err << kToolName << options.resultsFile.string()
            << " nie przechodzi sprawdzenia programu: " << VerdictText(history->verdict) << "\n";
        return std::nullopt;
    }
    return history;
}

std::string ReadAll(std::istream& in) {
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Add(const ToolOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    std::optional<CheckedHistory> history = SoundHistory(options, err);
    if (!history) {
        err << kUnchanged;
        return kToolBadInput;
    }
    std::vector<PlacedDraw> draws;
    for (const std::string& source : options.operands) {
        std::optional<TextFileReader> reader;
        if (!OnFile(source, err, [&] {
                reader.emplace(source == "-" ? TextFileReader::FromBytes(ReadAll(in))
                                             : TextFileReader(source));
            })) {
            err << kUnchanged;
            return kToolBadInput;
        }
        if (const auto bad = ReadInputDraws(*reader, source, draws)) {
            err << kToolName << PlaceText(bad->place) << ": " << FaultText(bad->fault) << ": "
                << bad->place.content << "\n"
                << kUnchanged;
            return kToolBadInput;
        }
    }
    // From here to the rename no other program changes the directory; the
    // input, which may come slowly through a pipe, was read before. A history
    // changed meanwhile (a renumbering, an update) is read again.
    std::optional<WorkDirLock> lock;
    if (!OnFile(options.resultsFile, err,
                [&] {
                    lock.emplace(DirectoryOf(options.resultsFile));
                    if (!(IdentityOf(options.resultsFile) == history->identity)) {
                        history.reset();
                    }
                }) ||
        (!history && !(history = SoundHistory(options, err)))) {
        err << kUnchanged;
        return kToolBadInput;
    }
    const ImportPlan plan = PlanImport(*history, draws);
    if (plan.conflict) {
        err << kToolName << ConflictText(*plan.conflict) << "\n" << kUnchanged;
        return kToolBadInput;
    }
    if (!plan.added.empty() && !OnFile(options.resultsFile, err, [&] {
            SafeReplaceWrite(options.resultsFile, ImportedText(*history, plan.added),
                             history->identity);
        })) {
        err << kUnchanged;
        return kToolBadInput;
    }
    lock.reset();
    out << "Dodano losowań: " << plan.added.size() << "\n";
    if (plan.alreadyKnown > 0) {
        out << "Pominięto już obecnych w bazie: " << plan.alreadyKnown << "\n";
    }
    if (plan.olderUnknown > 0) {
        out << "Pominięto starszych od ostatniego losowania w bazie, których w niej brak: "
            << plan.olderUnknown << "\n";
    }
    const std::string lastDate =
        plan.added.empty() ? Cp1250ToUtf8(history->summary.lastDate) : plan.added.back().date;
    if (!lastDate.empty()) {
        out << "Ostatnie losowanie: " << lastDate << "\n";
    }
    return kToolSuccess;
}

int Publish(const ToolOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<CheckedHistory> history = SoundHistory(options, err);
    if (!history) {
        err << "Nic nie opublikowano.\n";
        return kToolBadInput;
    }
    const std::filesystem::path folder =
        std::filesystem::path(options.operands.front()) / kServerFolder;
    const std::filesystem::path results = folder / kResultsFile;
    const std::filesystem::path version = folder / kPublishedVersionNote;
    // The results first: a server that gives out a new version note must
    // already give out the results that go with it. Both under the lock of
    // the folder, so that two publishers never mix their files.
    std::optional<WorkDirLock> lock;
    const bool published =
        OnFile(folder, err,
               [&] {
                   std::error_code error;
                   std::filesystem::create_directories(folder, error);
                   if (error) {
                       throw InOutError::FromErrno(error.value());
                   }
                   lock.emplace(folder);
               }) &&
        OnFile(results, err, [&] { SafeReplaceWrite(results, history->bytes); }) &&
        OnFile(version, err, [&] { SafeReplaceWrite(version, options.version + "\r\n"); });
    if (!published) {
        return kToolBadInput;
    }
    out << "Opublikowano " << results.string() << ": losowań " << history->summary.readDrawCount
        << ", ostatnie " << Cp1250ToUtf8(history->summary.lastDate) << "\n"
        << "Opublikowano " << version.string() << ": wersja " << options.version << "\n";
    return kToolSuccess;
}

int Check(const ToolOptions& options, std::ostream& out, std::ostream& err) {
    std::optional<CheckedHistory> history;
    if (!OnFile(options.resultsFile, err,
                [&] { history = ReadCheckedHistory(options.resultsFile); })) {
        return kToolBadInput;
    }
    out << VerdictText(history->verdict) << "\n";
    if (!IsSound(*history)) {
        return kToolBadInput;
    }
    for (const std::string& text : SummaryTexts(history->summary)) {
        out << text << "\n";
    }
    return kToolSuccess;
}

}  // namespace

int RunResultsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    const auto parsed = ParseToolOptions(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        err << kToolName << *problem << "\nPomoc: kulko-wyniki --help\n";
        return kToolWrongUsage;
    }
    const ToolOptions& options = std::get<ToolOptions>(parsed);
    if (options.help) {
        out << ToolHelpText();
        return kToolSuccess;
    }
    if (options.command == "dodaj") {
        return Add(options, in, out, err);
    }
    if (options.command == "publikuj") {
        return Publish(options, out, err);
    }
    return Check(options, out, err);
}

}  // namespace kulko
