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
    const auto read = ReadCommandLine(args, {"--baza", "--wersja"}, {"--proba", "--version"});
    if (const auto* wrong = std::get_if<std::string>(&read)) {
        return *wrong;
    }
    const CommandLine& line = std::get<CommandLine>(read);
    ToolOptions options;
    if (const auto base = line.Value("--baza")) {
        options.resultsFile = *base;
    }
    options.version = line.Value("--wersja").value_or(kProgramVersion);
    options.trial = line.Has("--proba");
    options.help = line.help;
    options.showVersion = line.Has("--version");
    if (options.help || options.showVersion) {
        return options;
    }
    if (line.arguments.empty()) {
        return "brak polecenia";
    }
    options.command = line.arguments.front();
    options.operands.assign(line.arguments.begin() + 1, line.arguments.end());
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
    if (line.Has("--wersja") && options.command != "publikuj") {
        return "opcja --wersja dotyczy tylko polecenia publikuj";
    }
    if (options.trial && options.command != "dodaj") {
        return "opcja --proba dotyczy tylko polecenia dodaj";
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
  kulko-wyniki dodaj ŹRÓDŁO... [--baza ŚCIEŻKA] [--proba]
  kulko-wyniki publikuj KATALOG [--baza ŚCIEŻKA] [--wersja WERSJA]
  kulko-wyniki sprawdz [--baza ŚCIEŻKA]

Utrzymuje aktualną bazę wyników losowań programu Kulko (plik )" +
           results + R"().

Polecenia:
  dodaj     Dopisuje do bazy losowania z podanych źródeł: plików, potoków,
            wejścia standardowego („-”) i adresów http:// lub https://.
            Wiersze mogą mieć postać:
              7297;06.01.2026;9;10;14;26;28;47    (format programu)
              7297. 06.01.2026 9,10,14,26,28,47   (lista wyników)
              06.01.2026,9,10,14,26,28,47         (CSV)
              2026-01-06 9 10 14 26 28 47         (liczby po spacjach)
            Pola mogą być rozdzielone przecinkami, średnikami, tabulatorami
            lub spacjami i ujęte w cudzysłowy. Tabela z nagłówkiem jest
            czytana według nazw kolumn (data, numer losowania, sześć liczb
            albo kolumna ze wszystkimi; po polsku, angielsku i niemiecku),
            a pozostałe kolumny (liczba dodatkowa, Superzahl, Plus, dzień
            tygodnia, suma) są pomijane. Daty: 06.01.2026, 6.1.2026,
            2026-01-06, 2026/01/06, 2026-01-06T00:00:00; datę 06/01/2026
            czyta tylko wtedy, gdy któryś wiersz rozstrzyga, co jest dniem,
            a co miesiącem.
            Losowanie z numerem musi zgadzać się z losowaniem o tym numerze
            w bazie albo następować po ostatnim bez luki; brak losowań
            przerywa dodawanie z ich numerami. Losowaniom bez numerów nadaje
            kolejne numery i mówi o tym. Losowania już obecne w bazie są
            pomijane, starszych od ostatniego, których w bazie brak, nie
            dopisuje. Błędny wiersz, data z przyszłości albo losowanie
            niezgodne z bazą przerywa dodawanie: baza zostaje bez zmian.
            Przed zmianą zachowuje poprzednią bazę obok niej w pliku )" +
           results + kPreviousHistorySuffix + R"(
            i wypisuje dodane losowania.
  publikuj  Zapisuje )" +
           published + results + " (bazę) i " + published + note + R"(
            (numer wersji programu) dla serwera aktualizacji; wystarczy
            dowolny serwer plików statycznych. Pliki są podmieniane w całości,
            więc serwer może je udostępniać w trakcie zapisu.
  sprawdz   Sprawdza bazę tak jak program przy starcie i wypisuje wynik
            sprawdzenia oraz podsumowanie bazy.

Opcje:
  --baza ŚCIEŻKA   plik bazy wyników (domyślnie )" +
           results + R"( w bieżącym katalogu, a bez niego
                   ten w katalogu roboczym programu, ~/.local/share/kulko)
  --proba          tylko wypisuje, co zostałoby dodane, niczego nie zmieniając
  --wersja WERSJA  wersja programu zapisywana w )" +
           note + " (domyślnie " + kProgramVersion + R"()
  --version        nazwa i wersja programu
  -h, --help       ta pomoc

Kod wyjścia: 0 - powodzenie, 1 - błędne dane albo błąd pliku, 2 - błędne użycie.
)";
}

}  // namespace kulko
