// The page "System skrócony": building the system on the search thread.
#include <charconv>

#include "systemy/stake.hpp"
#include "systemy/system_page.hpp"
#include "text/polish_text.hpp"
#include "wheels/number_choice.hpp"

namespace kulko {
namespace {

constexpr unsigned kMostSeconds = 3600;

// A whole number from min to max written in decimal digits alone.
std::optional<std::uint64_t> WholeNumber(std::string_view text, std::uint64_t min,
                                         std::uint64_t max) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min ||
        value > max) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

void SystemPage::RozpiszClick() {
    if (Searching()) {
        return;
    }
    const NumberChoice typed = ParseNumberChoice(wybrane.text);
    if (!typed.error.empty()) {
        screen_.Inform(typed.error);
        return;
    }
    const NumberBits numbers = ChosenNumbers();
    const Guarantee guarantee = AllGuarantees().at(static_cast<std::size_t>(gwarancja.index));
    if (const std::string refusal = RefusalOf(numbers, guarantee); !refusal.empty()) {
        screen_.Inform(refusal);
        return;
    }
    if (!WholeNumber(czas.text, 1, kMostSeconds)) {
        screen_.Inform("Czas szukania to liczba sekund od 1 do 3600.");
        return;
    }
    const std::optional<std::uint64_t> seed = WholeNumber(ziarno.text, 0, 4294967295u);
    if (!seed) {
        screen_.Inform("Ziarno to liczba całkowita od 0 do 4294967295.");
        return;
    }
    build_ = std::make_shared<SystemBuild>(numbers, guarantee, static_cast<std::uint32_t>(*seed),
                                           &table_);
    StartSearch(build_);
}

void SystemPage::SzukajDluzejClick() {
    if (build_ && !Searching() && WholeNumber(czas.text, 1, kMostSeconds)) {
        StartSearch(build_);
    }
}

void SystemPage::PrzerwijClick() {
    worker_.Cancel();
    stan.text = "Przerywam szukanie…";
}

void SystemPage::StartSearch(std::shared_ptr<SystemBuild> build) {
    const auto seconds = WholeNumber(czas.text, 1, kMostSeconds).value_or(kDefaultSeconds);
    worker_.Start(std::move(build), std::chrono::seconds(seconds));
    searching_ = true;
    inputsEnabled = false;
    rozpisz.enabled = false;
    szukajDluzej.enabled = false;
    przerwij.enabled = true;
    postep = {0, true};
    stan.text = "Szukam systemu…";
}

bool SystemPage::Tick() {
    if (!Searching()) {
        return false;
    }
    const SearchWorker::Progress progress = worker_.Now();
    postep.percent = progress.percent;
    stan.text = progress.bestSize > 0
                    ? "Szukam: najmniejszy system ma " +
                          Counted(progress.bestSize, "zakład", "zakłady", "zakładów") + "."
                    : "Buduję pierwszy system: " + std::to_string(progress.startPercent) +
                          "% przypadków pokrytych.";
    if (worker_.Done()) {
        EndSearch();
    }
    return true;
}

void SystemPage::WaitForSearch() {
    worker_.Wait();
    Tick();
}

void SystemPage::EndSearch() {
    const int startPercent = worker_.Now().startPercent;
    std::optional<BuiltSystem> found = worker_.Take();
    searching_ = false;
    inputsEnabled = true;
    rozpisz.enabled = true;
    przerwij.enabled = false;
    postep.visible = false;
    stan.text.clear();
    if (!worker_.Error().empty()) {
        build_.reset();
        screen_.Inform("Szukanie systemu nie powiodło się: " + worker_.Error());
    } else if (build_->TooLarge()) {
        build_.reset();
        screen_.Inform("Ten system przekroczyłby " + WithThousands(kMaxTickets) +
                       " zakładów; wybierz mniej liczb albo słabszą gwarancję.");
    } else if (!found) {
        szukajDluzej.enabled = true;
        stan.text = "Pierwszy system nie powstał jeszcze w zadanym czasie (gotowe " +
                    std::to_string(startPercent) + "%); „Szukaj dłużej” buduje go dalej.";
    } else if (!found->keepsGuarantee) {
        build_.reset();
        screen_.Inform(
            "Znaleziony system nie przeszedł sprawdzenia gwarancji, więc nie jest "
            "pokazany.");
    } else {
        ShowSystem(*found);
        szukajDluzej.enabled = !build_->Finished();
    }
}

void SystemPage::Close() {
    worker_.Cancel();
    worker_.Wait();
    searching_ = false;
    StakeConfirmed();
}

}  // namespace kulko
