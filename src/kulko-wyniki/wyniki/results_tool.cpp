#include "wyniki/results_tool.hpp"

#include <ostream>
#include <system_error>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "import/add_command.hpp"
#include "import/tool_files.hpp"
#include "results/summary_texts.hpp"
#include "text/cp1250.hpp"
#include "update/program_version.hpp"
#include "wyniki/tool_options.hpp"

namespace kulko {
namespace {

ChosenResultsFile ResultsFileOf(const ToolOptions& options, const ToolEnvironment& environment,
                                std::ostream& out) {
    const ChosenResultsFile file =
        ChooseResultsFile(options.resultsFile ? &*options.resultsFile : nullptr, environment);
    if (file.fromPlayerDirectory) {
        out << "Baza wyników: " << file.path.string() << "\n";
    }
    return file;
}

// Runs one write; when it fails, tells which file and how.
template <typename Operation>
bool Written(const std::filesystem::path& file, std::ostream& err, Operation&& operation) {
    try {
        operation();
        return true;
    } catch (const InOutError& error) {
        err << kToolName << WriteFaultText(file, error) << "\n";
        return false;
    }
}

int Publish(const ToolOptions& options, const ToolEnvironment& environment, std::ostream& out,
            std::ostream& err) {
    // Publishing shows only the count of draws and the last date.
    HistoryQuestions questions;
    questions.scope = SummaryScope::CountAndLastDate;
    const std::optional<ScannedHistory> history =
        ReadHistory(ResultsFileOf(options, environment, out), environment, true, questions, err);
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
        Written(folder, err,
                [&] {
                    std::error_code error;
                    std::filesystem::create_directories(folder, error);
                    if (error) {
                        throw InOutError::FromErrno(error.value());
                    }
                    lock.emplace(folder);
                }) &&
        Written(results, err,
                [&] {
                    const WritePiece pieces[] = {history->Lines(), std::string_view(history->tail)};
                    SafeReplaceWrite(results, pieces);
                }) &&
        Written(version, err, [&] { SafeReplaceWrite(version, options.version + "\r\n"); });
    if (!published) {
        return kToolBadInput;
    }
    out << "Opublikowano " << results.string() << ": losowań " << history->summary.readDrawCount
        << ", ostatnie " << Cp1250ToUtf8(history->summary.lastDate) << "\n"
        << "Opublikowano " << version.string() << ": wersja " << options.version << "\n";
    return kToolSuccess;
}

int Check(const ToolOptions& options, const ToolEnvironment& environment, std::ostream& out,
          std::ostream& err) {
    const std::optional<ScannedHistory> history =
        ReadHistory(ResultsFileOf(options, environment, out), environment, false, {}, err);
    if (!history) {
        return kToolBadInput;
    }
    out << ShownVerdict(history->verdict) << "\n";
    if (history->verdict.kind != ValidationVerdict::Kind::Sound) {
        return kToolBadInput;
    }
    for (const std::string& text : SummaryTexts(history->summary)) {
        out << text << "\n";
    }
    return kToolSuccess;
}

}  // namespace

int RunResultsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, const ToolEnvironment& environment) {
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
    if (options.showVersion) {
        out << "kulko-wyniki " << kProgramVersion << "\n";
        return kToolSuccess;
    }
    if (options.command == "dodaj") {
        return AddDraws(options, environment, in, out, err);
    }
    if (options.command == "publikuj") {
        return Publish(options, environment, out, err);
    }
    return Check(options, environment, out, err);
}

int RunResultsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    return RunResultsTool(args, in, out, err, LocalEnvironment());
}

}  // namespace kulko
