// The choices of every page, kept between runs: what is read back is
// checked as the page's own controls would check it, and a value that does
// not fit leaves the page's default.
#include "systemy/systemy_window.hpp"
#include "wheels/number_choice.hpp"

namespace kulko {
namespace {

void KeepIndex(WindowChoices& choices, const std::string& key, const Choice& choice) {
    choices[key] = std::to_string(choice.index);
}

void TakeIndex(const WindowChoices& choices, const std::string& key, Choice& choice) {
    const int last = static_cast<int>(choice.items.size()) - 1;
    if (const auto index = ChosenNumber(choices, key, 0, last)) {
        choice.index = static_cast<int>(*index);
    }
}

void TakeText(const WindowChoices& choices, const std::string& key, TextField& field) {
    if (const auto found = choices.find(key); found != choices.end()) {
        field.text = found->second;
    }
}

// The page's Choice members with their keys, for both directions.
template <typename Page, typename Visit>
void FilterChoices(Page& page, Visit visit) {
    visit("filtry.tryb", page.tryb);
    visit("filtry.warunek", page.warunek);
    visit("filtry.wymuszenie", page.wymuszenie);
    visit("filtry.liczba", page.liczba);
    visit("filtry.ostatnie", page.ostatnie);
    visit("filtry.zIlu", page.zIlu);
    visit("filtry.przewaga", page.przewaga);
}

}  // namespace

WindowChoices SystemyWindow::Choices() const {
    WindowChoices choices;
    choices["strona"] = std::to_string(strona);
    choices["liczby"] = systemPage.wybrane.text;
    KeepIndex(choices, "gwarancja", systemPage.gwarancja);
    choices["czas"] = systemPage.czas.text;
    choices["ziarno"] = systemPage.ziarno.text;
    KeepIndex(choices, "historia.zrodlo", historyPage.zrodlo);
    choices["historia.zestaw"] = historyPage.zestaw.text;
    choices["historia.od"] = historyPage.od.text;
    choices["historia.do"] = historyPage.doDnia.text;
    FilterChoices(filtersPage,
                  [&](const char* key, const Choice& choice) { KeepIndex(choices, key, choice); });
    choices["filtry.juzByla"] = filtersPage.juzByla.checked ? "1" : "0";
    choices["liczby.ostatnie"] = numbersPage.ostatnie.text;
    choices["wyniki.zrodlo"] = resultsPage.zrodlo.text;
    return choices;
}

void SystemyWindow::Choose(const WindowChoices& choices) {
    strona = static_cast<int>(
        ChosenNumber(choices, "strona", 0, static_cast<int>(PageTitles().size()) - 1).value_or(0));
    if (const auto numbers = choices.find("liczby"); numbers != choices.end()) {
        const NumberChoice typed = ParseNumberChoice(numbers->second);
        if (typed.error.empty()) {
            systemPage.wybrane.text = numbers->second;
            systemPage.NumbersTyped();
        }
    }
    TakeIndex(choices, "gwarancja", systemPage.gwarancja);
    systemPage.GuaranteeChosen();
    if (ChosenNumber(choices, "czas", 1, 3600)) {
        TakeText(choices, "czas", systemPage.czas);
    }
    if (ChosenNumber(choices, "ziarno", 0, 4294967295)) {
        TakeText(choices, "ziarno", systemPage.ziarno);
    }
    TakeIndex(choices, "historia.zrodlo", historyPage.zrodlo);
    if (historyPage.zrodlo.index == HistoryPage::kSystem) {
        historyPage.zrodlo.index = HistoryPage::kAllMemory;  // no system is built yet
    }
    TakeText(choices, "historia.zestaw", historyPage.zestaw);
    TakeText(choices, "historia.od", historyPage.od);
    TakeText(choices, "historia.do", historyPage.doDnia);
    FilterChoices(filtersPage,
                  [&](const char* key, Choice& choice) { TakeIndex(choices, key, choice); });
    filtersPage.juzByla.checked = ChosenNumber(choices, "filtry.juzByla", 0, 1).value_or(0) == 1;
    if (ChosenNumber(choices, "liczby.ostatnie", 1, 1000000)) {
        TakeText(choices, "liczby.ostatnie", numbersPage.ostatnie);
    }
    TakeText(choices, "wyniki.zrodlo", resultsPage.zrodlo);
}

}  // namespace kulko
