// The page "System skrócony": its start, and the choice of numbers and of
// the guarantee.
#include "systemy/system_page.hpp"

#include "files/in_out_error.hpp"
#include "files/work_files.hpp"
#include "systemy/stake.hpp"
#include "systemy/system_report.hpp"
#include "text/polish_text.hpp"
#include "wheels/number_choice.hpp"

namespace kulko {
namespace {

constexpr Guarantee kFirstGuarantee{3, 6};

}  // namespace

SystemPage::SystemPage(std::filesystem::path workDir, SystemyScreen& screen)
    : workDir_(std::move(workDir)), screen_(screen) {
    const std::vector<Guarantee> all = AllGuarantees();
    for (std::size_t i = 0; i < all.size(); ++i) {
        gwarancja.items.push_back(GuaranteeName(all[i]));
        if (all[i] == kFirstGuarantee) {
            gwarancja.index = static_cast<int>(i);
        }
    }
    czas.text = std::to_string(kDefaultSeconds);
    ziarno.text = std::to_string(kDefaultSeed);
    uwaga.text = kSpreadNote;
    ShowChoice(0);
    GuaranteeChosen();
}

void SystemPage::Start(const std::filesystem::path& tablePath) {
    std::string error;
    try {
        table_ = WheelTable::Load(tablePath, error);
        const std::size_t count = table_.Entries().size();
        tabela.text = "Dołączone systemy: " + WithThousands(count) + ".";
        tabelaPlik.text =
            "Gotowe systemy, od których zaczyna się szukanie, z pliku " + tablePath.string() + ".";
        if (!error.empty()) {
            tabela.text = "Tabela dołączonych systemów jest uszkodzona; użyto " +
                          WithThousands(count) + " systemów sprzed uszkodzenia.";
            tabelaPlik.text = tablePath.string() + ": " + error;
        }
    } catch (const InOutError& failure) {
        tabela.text =
            "Tabeli dołączonych systemów nie można odczytać; każdy system powstaje od nowa.";
        tabelaPlik.text = tablePath.string() + ": " + failure.what();
    }
    savedStake_ = LoadStake(workDir_ / kStakeFile);
    stawka.text = savedStake_;
}

NumberBits SystemPage::ChosenNumbers() const {
    NumberBits numbers = 0;
    for (std::size_t i = 0; i < liczby.size(); ++i) {
        if (liczby[i].checked) {
            numbers |= Bit(static_cast<int>(i) + 1);
        }
    }
    return numbers;
}

void SystemPage::ShowChoice(NumberBits numbers) {
    for (std::size_t i = 0; i < liczby.size(); ++i) {
        liczby[i].checked = (numbers & Bit(static_cast<int>(i) + 1)) != 0;
    }
    wybrano.text = "Wybrano: " + Counted(static_cast<std::uint64_t>(CountBits(numbers)), "liczbę",
                                         "liczby", "liczb");
    // What "Szukaj dłużej" would go on with is no longer what is chosen.
    build_.reset();
    szukajDluzej.enabled = false;
    MarkStaleUnlessChosen(true);
}

void SystemPage::MarkStaleUnlessChosen(bool typedTextValid) {
    if (!shown_ || stale_) {
        return;
    }
    const auto index = static_cast<std::size_t>(gwarancja.index);
    const std::vector<Guarantee> all = AllGuarantees();
    if (typedTextValid && ChosenNumbers() == shownNumbers_ && index < all.size() &&
        all[index] == shownGuarantee_) {
        return;
    }
    stale_ = true;
    for (Button* action : {&doPamieci, &zapisz, &kopiuj, &drukuj}) {
        action->enabled = false;
    }
    wynik.text = "NIEAKTUALNY: ten system zbudowano dla liczb " + NumberBitsText(shownNumbers_) +
                 " i gwarancji " + GuaranteeName(shownGuarantee_) +
                 ". Wybór się zmienił: „Rozpisz” zbuduje system na nowo.\n" + wynik.text;
}

void SystemPage::NumberClicked(int n) {
    const NumberBits numbers = ChosenNumbers() ^ Bit(n);
    wybrane.text = NumberChoiceText(numbers);
    ShowChoice(numbers);
}

void SystemPage::NumbersTyped() {
    const NumberChoice choice = ParseNumberChoice(wybrane.text);
    if (!choice.error.empty()) {
        // The grid keeps the last numbers that could be read.
        wybrano.text = choice.error;
        build_.reset();
        szukajDluzej.enabled = false;
        MarkStaleUnlessChosen(false);
        return;
    }
    ShowChoice(choice.numbers);
}

void SystemPage::GuaranteeChosen() {
    const std::vector<Guarantee> all = AllGuarantees();
    const auto index = static_cast<std::size_t>(gwarancja.index);
    znaczenie.text = index < all.size() ? GuaranteeMeaning(all[index]) : std::string();
    build_.reset();
    szukajDluzej.enabled = false;
    MarkStaleUnlessChosen(true);
}

}  // namespace kulko
