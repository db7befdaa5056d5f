#include "systemy_cli/analyses_command.hpp"

#include <cstdio>
#include <ostream>

#include "analyses/filter_report.hpp"
#include "analyses/number_runs.hpp"
#include "analyses/set_history.hpp"
#include "analyses/set_list.hpp"
#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/work_files.hpp"
#include "systemy_cli/analyses_options.hpp"
#include "systemy_cli/systemy_command.hpp"
#include "text/decimal_text.hpp"

namespace kulko {
namespace {

int Refuse(const std::string& why, std::ostream& err) {
    err << "kulko-systemy: " << why << "\n";
    return kCommandRefused;
}

int RunHistory(const HistoryOptions& options, const DrawHistory& history,
               const std::filesystem::path& workDir, std::ostream& out, std::ostream& err) {
    SetList sets;
    try {
        sets = options.set ? TypedSet(*options.set)
                           : SetsOfFile(options.setsFile ? std::filesystem::path(*options.setsFile)
                                                         : workDir / kMemoryFile);
    } catch (const InOutError& error) {
        return Refuse(std::string("plik zestawów: ") + error.what(), err);
    }
    for (const std::string& note : sets.skipped) {
        err << "kulko-systemy: " << note << "\n";
    }
    if (sets.sets.empty()) {
        return Refuse("brak zestawów do sprawdzenia", err);
    }
    const DrawRange range = DrawsBetween(history.draws, options.from, options.to);
    std::int64_t tested = 0;
    for (const NumberSet& set : sets.sets) {
        const SetRecord record = ScoreSet(set, history.draws, range);
        tested = record.draws;
        out << NumberSetText(set);
        for (std::int64_t hits : record.hits) {
            out << ";" << hits;
        }
        out << "\n";
    }
    const auto expected = ExpectedHits(tested);
    err << "losowań: " << tested
        << "; sam przypadek daje na zestaw: 3: " << DecimalText(expected[0], 2)
        << ", 4: " << DecimalText(expected[1], 3) << ", 5: " << DecimalText(expected[2], 4)
        << ", 6: " << DecimalText(expected[3], 5) << "\n";
    return kCommandSuccess;
}

int RunFilters(const GeneratorOptions& options, const DrawHistory& history, std::ostream& out,
               std::ostream& err) {
    const FilterReport report = AnalyseFilters(options, history);
    const FilterCount& count = report.count;
    const BacktestResult& backtest = report.backtest;
    out << "zestawy: " << count.passing << "\n"
        << "szansa-proby: " << ChanceText(count.attemptChance) << "\n"
        << "szansa-losuj: " << ChanceText(count.pressChance) << "\n"
        << "losowania: " << backtest.letThrough << "/" << backtest.tested << "\n";
    static const char* const kGroups[] = {"wymuszenie", "przewaga", "tryb", "warunek", "ostatnie"};
    for (std::size_t g = 0; g < kFilterGroups; ++g) {
        err << "odrzuca sam " << kGroups[g] << ": " << count.removedAlone[g] << "\n";
    }
    return kCommandSuccess;
}

void PrintCombinations(const char* title, const std::vector<Combination>& list, std::size_t first,
                       std::size_t last, std::ostream& out) {
    out << title << "\n";
    for (std::size_t i = first; i < last && i < list.size(); ++i) {
        const Combination& c = list[i];
        out << c.numbers[0] << ";" << c.numbers[1];
        if (c.numbers[2] != 0) {
            out << ";" << c.numbers[2];
        }
        out << ";" << c.count << "\n";
    }
}

int RunNumbers(const NumbersOptions& options, const DrawHistory& history, std::ostream& out) {
    const NumberRuns runs = CountNumberRuns(history.draws, options.lastDraws);
    const ChanceBand band = BinomialBand(runs.draws);
    out << "losowania: " << runs.draws << "\n"
        << "liczba;razem;od-ostatniego;najdluzsza-przerwa;w-ostatnich-" << options.lastDraws
        << "\n";
    for (std::size_t n = 0; n < runs.total.size(); ++n) {
        out << n + 1 << ";" << runs.total[n] << ";" << runs.sinceLast[n] << ";"
            << runs.longestGap[n] << ";" << runs.recent[n] << "\n";
    }
    out << "przypadek: oczekiwane " << DecimalText(ExpectedNumberCount(runs.draws), 2) << ", 95% w "
        << band.low << ".." << band.high << "\n";
    out << "pary: oczekiwane " << DecimalText(ExpectedPairCount(runs.draws), 2) << "\n";
    PrintCombinations("pary (wszystkie, od najczęstszej)", runs.pairs, 0, runs.pairs.size(), out);
    out << "trojki: oczekiwane " << DecimalText(ExpectedTripleCount(runs.draws), 3) << "\n";
    constexpr std::size_t kShownTriples = 20;
    PrintCombinations("trojki najczestsze", runs.triples, 0, kShownTriples, out);
    PrintCombinations("trojki najrzadsze", runs.triples, runs.triples.size() - kShownTriples,
                      runs.triples.size(), out);
    return kCommandSuccess;
}

// The exit status of a wrong command line or of help, after printing it.
std::optional<int> Usage(const AnalysesRequest& parsed, std::ostream& out, std::ostream& err) {
    if (const auto* usage = std::get_if<std::string>(&parsed)) {
        err << "kulko-systemy: " << *usage << "\n" << SystemyHelpText();
        return kCommandWrongUsage;
    }
    if (std::holds_alternative<AnalysesHelp>(parsed)) {
        out << SystemyHelpText();
        return kCommandSuccess;
    }
    return std::nullopt;
}

}  // namespace

bool IsAnalysesCommand(const std::vector<std::string>& args) {
    return !args.empty() && (args[0] == "historia" || args[0] == "filtry" || args[0] == "liczby");
}

std::string AnalysesHelpText() {
    return "  kulko-systemy historia [--zestawy PLIK | --zestaw a;b;c;d;e;f] [--od DATA] [--do "
           "DATA]\n"
           "  kulko-systemy filtry [--tryb normalny|bez6|bez5|bez4]\n"
           "      [--warunek dowolny|bez2|bez3|parzyste|nieparzyste]\n"
           "      [--wymuszenie bez|max|min|liczba:N] [--ostatnie nie|dwojki|trojki]\n"
           "      [--z-ilu N] [--juz-byla] [--przewaga nie|statystyka|niskie|wysokie]\n"
           "  kulko-systemy liczby [--ostatnie N]\n"
           "\n"
           "historia: trafienia 3, 4, 5 i 6 zestawu w dawnych losowaniach "
           "(\"3;7;12;20;33;41;118;6;0;0\");\n"
           "bez --zestawy i --zestaw zestawy z pamięci. DATA to DD.MM.RRRR.\n"
           "filtry: ile z 13983816 zestawów przepuszczają opcje losowania, szansa próby i\n"
           "naciśnięcia \"Losuj\", ile dawnych losowań przeszłoby te same testy.\n"
           "liczby: częstości, przerwy, pary i trójki obok tego, co daje sam przypadek.\n"
           "Bazę wyników kulko.txt (i pamięć zestawów) czytają z bieżącego katalogu, a gdy\n"
           "jej w nim nie ma, z katalogu roboczego programu (~/.local/share/kulko).\n";
}

int RunAnalysesCommand(const std::vector<std::string>& args, const ToolEnvironment& environment,
                       std::ostream& out, std::ostream& err) {
    if (const std::optional<int> status = Usage(ParseAnalysesOptions(args), out, err)) {
        return *status;
    }
    const ChosenResultsFile file = ChooseResultsFile(nullptr, environment);
    if (!FileExists(file.path)) {
        std::error_code error;
        const std::filesystem::path here = std::filesystem::current_path(error);
        return Refuse(
            environment.playerDirectory.empty()
                ? "nie ma bazy wyników " + (here / kResultsFile).string() +
                      "; wywołaj polecenie w katalogu z plikiem " + kResultsFile
                : "nie ma bazy wyników " + std::string(kResultsFile) + " ani w bieżącym katalogu " +
                      here.string() + ", ani w katalogu roboczym programu " +
                      environment.playerDirectory.string() +
                      "; uruchom raz program kulko, który założy katalog roboczy z bazą, albo "
                      "wywołaj polecenie w katalogu z plikiem " +
                      kResultsFile,
            err);
    }
    if (file.fromPlayerDirectory) {
        err << "kulko-systemy: katalog roboczy " << environment.playerDirectory.string() << "\n";
    }
    return RunAnalysesCommand(args, file.fromPlayerDirectory ? environment.playerDirectory : ".",
                              out, err);
}

int RunAnalysesCommand(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                       std::ostream& out, std::ostream& err) {
    const AnalysesRequest parsed = ParseAnalysesOptions(args);
    if (const std::optional<int> status = Usage(parsed, out, err)) {
        return *status;
    }
    DrawHistory history;
    try {
        history = ReadDrawHistory(workDir / kResultsFile);
    } catch (const InOutError& error) {
        return Refuse("baza wyników " + (workDir / kResultsFile).string() + ": " + error.what(),
                      err);
    }
    if (!history.damage.empty()) {
        return Refuse(history.damage, err);
    }
    if (const auto* options = std::get_if<HistoryOptions>(&parsed)) {
        return RunHistory(*options, history, workDir, out, err);
    }
    if (const auto* options = std::get_if<GeneratorOptions>(&parsed)) {
        return RunFilters(*options, history, out, err);
    }
    return RunNumbers(std::get<NumbersOptions>(parsed), history, out);
}

}  // namespace kulko
