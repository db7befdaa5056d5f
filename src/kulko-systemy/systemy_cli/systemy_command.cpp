#include "systemy_cli/systemy_command.hpp"

#include <algorithm>
#include <chrono>
#include <ostream>

#include "files/in_out_error.hpp"
#include "systemy/system_report.hpp"
#include "systemy_cli/analyses_command.hpp"
#include "systemy_cli/command_options.hpp"
#include "text/cp1250.hpp"
#include "text/polish_text.hpp"
#include "wheels/number_choice.hpp"
#include "wheels/system_build.hpp"

namespace kulko {
namespace {

// A table as columns of text, each as wide as its widest cell.
void PrintTable(const TextTable& table, std::ostream& err) {
    std::vector<std::size_t> widths(table.columns.size(), 0);
    std::vector<std::vector<std::string>> rows = {table.columns};
    rows.insert(rows.end(), table.rows.begin(), table.rows.end());
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], Utf8Length(row[c]));
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            line += row[c] + std::string(widths[c] - Utf8Length(row[c]) + 2, ' ');
        }
        err << line.substr(0, line.find_last_not_of(' ') + 1) << "\n";
    }
}

WheelTable LoadTable(const std::filesystem::path& path, std::ostream& err) {
    std::string damage;
    try {
        WheelTable table = WheelTable::Load(path, damage);
        if (!damage.empty()) {
            err << "kulko-systemy: tabela systemów " << path.string() << " uszkodzona (" << damage
                << ")\n";
        }
        return table;
    } catch (const InOutError& error) {
        err << "kulko-systemy: tabela systemów " << path.string() << ": " << error.what()
            << "; system powstaje od nowa\n";
        return {};
    }
}

int Refuse(const std::string& why, std::ostream& err) {
    err << "kulko-systemy: " << why << "\n";
    return kCommandRefused;
}

}  // namespace

bool IsSystemyCommand(const std::vector<std::string>& args) {
    return !args.empty() && (args[0] == "system" || args[0] == "-h" || args[0] == "--help" ||
                             IsAnalysesCommand(args));
}

std::string SystemyHelpText() {
    return "Użycie:\n"
           "  kulko-systemy                 okno systemów skróconych\n"
           "  kulko-systemy system LICZBY --gwarancja TzM [--czas SEKUNDY] [--ziarno N]\n"
           "  kulko-systemy system LICZBY --pelny\n" +
           AnalysesHelpText() +
           "\n"
           "LICZBY to od 7 do 49 liczb od 1 do 49, np. \"1;5;7-12;40\". Gwarancja TzM\n"
           "(3 <= T <= M <= 6): jeżeli M z wylosowanych liczb jest wśród wybranych,\n"
           "co najmniej jeden zakład trafia T. --pelny: każda szóstka z wybranych liczb.\n"
           "Zakłady idą na wyjście standardowe, po jednym w wierszu (\"3;7;12;20;33;41\"),\n"
           "a rozmiar (z najmniejszym znanym w literaturze), dolna granica i tabela\n"
           "gwarancji na wyjście błędów.\n"
           "\n"
           "  --czas SEKUNDY   jak długo szukać (domyślnie 3)\n"
           "  --ziarno N       ziarno szukania: to samo ziarno i czas dają ten sam system\n"
           "  --tabela PLIK    tabela dołączonych systemów w miejsce zainstalowanej\n"
           "\n"
           "Kod wyjścia: 0 system gotowy, 1 odmowa (za mało liczb, liczba spoza 1..49,\n"
           "gwarancja nie pasuje, system za duży, brak systemu w zadanym czasie),\n"
           "2 błędne wywołanie.\n";
}

int RunSystemyCommand(const std::vector<std::string>& args, const std::filesystem::path& tablePath,
                      std::ostream& out, std::ostream& err) {
    if (IsAnalysesCommand(args)) {
        // The analyses read the working directory's files, as the window does.
        return RunAnalysesCommand(args, ".", out, err);
    }
    const auto parsed = ParseCommandOptions(args);
    if (const auto* usage = std::get_if<std::string>(&parsed)) {
        err << "kulko-systemy: " << *usage << "\n" << SystemyHelpText();
        return kCommandWrongUsage;
    }
    const CommandOptions& options = std::get<CommandOptions>(parsed);
    if (options.help) {
        out << SystemyHelpText();
        return kCommandSuccess;
    }
    const NumberChoice choice = ParseNumberChoice(options.numbers);
    if (!choice.error.empty()) {
        return Refuse(choice.error, err);
    }
    const Guarantee guarantee = options.full ? kFullSystem : *ParseGuarantee(*options.guarantee);
    if (const std::string refusal = RefusalOf(choice.numbers, guarantee); !refusal.empty()) {
        return Refuse(refusal, err);
    }
    const WheelTable table = LoadTable(options.table.value_or(tablePath), err);
    SystemBuild build(choice.numbers, guarantee, options.seed, &table);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds);
    build.Run([&] { return std::chrono::steady_clock::now() >= deadline; });
    if (build.TooLarge()) {
        return Refuse("system przekroczyłby " + WithThousands(kMaxTickets) + " zakładów", err);
    }
    if (!build.HasSystem()) {
        return Refuse("w " + std::to_string(options.seconds) +
                          " s nie powstał pierwszy system; podaj dłuższy --czas",
                      err);
    }
    const BuiltSystem system = build.Result();
    if (!system.keepsGuarantee) {
        return Refuse("znaleziony system nie przeszedł sprawdzenia gwarancji", err);
    }
    for (const NumberBits ticket : system.tickets) {
        out << NumberBitsText(ticket) << "\n";
    }
    err << SystemSummary(system, choice.numbers, guarantee) << "\n";
    PrintTable(BestHitsTable(system.hits), err);
    return kCommandSuccess;
}

}  // namespace kulko
