#include "wyniki/tool_options.hpp"

#include <algorithm>
#include <limits>
#include <string_view>

#include "files/work_files.hpp"
#include "text/command_line.hpp"
#include "text/digits.hpp"
#include "update/program_version.hpp"

namespace kulko {
namespace {

struct CommandRule {
    std::string_view name;
    std::size_t minOperands;
    std::size_t maxOperands;
    const char* missingOperand;  // what to say when there are too few
};

constexpr CommandRule kCommands[] = {
    {"dodaj", 1, std::numeric_limits<std::size_t>::max(),
     "polecenie dodaj wymaga co najmniej jednego pliku z wynikami"},
    {"publikuj", 1, 1, "polecenie publikuj wymaga katalogu"},
    {"sprawdz", 0, 0, ""},
};

// A decimal number as the program reads its version notes: "1.14", "2".
bool IsVersionNumber(std::string_view text) {
    const std::size_t dot = text.find('.');
    return AllDigits(text.substr(0, dot)) &&
           (dot == std::string_view::npos || AllDigits(text.substr(dot + 1)));
}

}  // namespace

std::variant<ToolOptions, std::string> ParseToolOptions(const std::vector<std::string>& args) {
    ToolOptions options;
    options.version = kProgramVersion;
    bool versionGiven = false;
    bool optionsEnded = false;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);  // "-" is standard input
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        }
        const auto option = ReadOptionValue(args, i, {"--baza", "--wersja"});
        if (const auto* wrong = std::get_if<std::string>(&option)) {
            return *wrong;
        }
        const auto& [name, value] = std::get<std::pair<std::string, std::string>>(option);
        if (name == "--baza") {
            options.resultsFile = value;
        } else {
            options.version = value;
            versionGiven = true;
        }
    }
    if (options.help) {
        return options;
    }
    if (words.empty()) {
        return "brak polecenia";
    }
    options.command = words.front();
    options.operands.assign(words.begin() + 1, words.end());
    const auto* rule =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [&](const CommandRule& r) { return r.name == options.command; });
    if (rule == std::end(kCommands)) {
        return "nieznane polecenie " + Quoted(options.command);
    }
    if (options.operands.size() < rule->minOperands) {
        return rule->missingOperand;
    }
    if (options.operands.size() > rule->maxOperands) {
        return "nadmiarowy argument " + Quoted(options.operands[rule->maxOperands]);
    }
    if (versionGiven && options.command != "publikuj") {
        return "opcja --wersja dotyczy tylko polecenia publikuj";
    }
    if (!IsVersionNumber(options.version)) {
        return "wersja musi być liczbą dziesiętną, np. 1.14";
    }
    return options;
}

std::string ToolHelpText() {
    const std::string results = kResultsFile;
    const std::string note = kPublishedVersionNote;
    const std::string published = std::string("KATALOG/") + kServerFolder + "/";
    return R"(Użycie:
  kulko-wyniki dodaj PLIK... [--baza ŚCIEŻKA]
  kulko-wyniki publikuj KATALOG [--baza ŚCIEŻKA] [--wersja WERSJA]
  kulko-wyniki sprawdz [--baza ŚCIEŻKA]

Utrzymuje aktualną bazę wyników losowań programu Kulko (plik )" +
           results + R"().

Polecenia:
  dodaj     Dopisuje do bazy losowania z podanych plików („-” to wejście
            standardowe) o datach późniejszych niż ostatnie losowanie w bazie:
            w kolejności dat, z kolejnymi numerami, w formacie programu.
            Wiersze mogą mieć postać:
              7297;06.01.2026;9;10;14;26;28;47    (format programu)
              7297. 06.01.2026 9,10,14,26,28,47   (lista wyników)
              06.01.2026,9,10,14,26,28,47         (CSV)
            W CSV data może mieć też postać 2026-01-06, pola mogą być
            rozdzielone przecinkami, średnikami lub tabulatorami i ujęte
            w cudzysłowy, a pierwszy wiersz może być nagłówkiem.
            Losowania już obecne w bazie są pomijane, a starszych od
            ostatniego w bazie, których w niej brak, nie dopisuje (numery
            losowań w bazie się nie zmieniają). Błędny wiersz albo
            losowanie z tą samą datą, lecz innymi liczbami, przerywa
            dodawanie: baza zostaje bez zmian.
  publikuj  Zapisuje )" +
           published + results + " (bazę) i " + published + note + R"(
            (numer wersji programu) dla serwera aktualizacji; wystarczy
            dowolny serwer plików statycznych. Pliki są podmieniane w całości,
            więc serwer może je udostępniać w trakcie zapisu.
  sprawdz   Sprawdza bazę tak jak program przy starcie i wypisuje wynik
            sprawdzenia oraz podsumowanie bazy.

Opcje:
  --baza ŚCIEŻKA   plik bazy wyników (domyślnie )" +
           results + R"( w bieżącym katalogu)
  --wersja WERSJA  wersja programu zapisywana w )" +
           note + " (domyślnie " + kProgramVersion + R"()
  -h, --help       ta pomoc

Kod wyjścia: 0 - powodzenie, 1 - błędne dane albo błąd pliku, 2 - błędne użycie.
)";
}

}  // namespace kulko
