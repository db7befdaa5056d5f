// The page "System skrócony": the system found, its proof and its odds.
#include "systemy/stake.hpp"
#include "systemy/system_page.hpp"
#include "systemy/system_report.hpp"
#include "text/polish_text.hpp"

namespace kulko {

void SystemPage::ShowSystem(const BuiltSystem& system) {
    shown_ = system;
    stale_ = false;
    shownNumbers_ = build_->Numbers();
    shownGuarantee_ = build_->Promise();
    wynik.text = SystemSummary(system, shownNumbers_, shownGuarantee_);
    std::vector<std::string> lines;
    lines.reserve(system.tickets.size());
    for (std::size_t i = 0; i < system.tickets.size(); ++i) {
        lines.push_back(std::to_string(i + 1) + ". " + NumberBitsText(system.tickets[i]));
    }
    zaklady.Assign(std::move(lines));
    trafienia = BestHitsTable(system.hits);
    szanse = OddsTable(system.odds);
    ShowCost();
    for (Button* action : {&doPamieci, &zapisz, &kopiuj, &drukuj}) {
        action->enabled = true;
    }
}

void SystemPage::ShowCost() {
    koszt.text.clear();
    if (!shown_ || stawka.text.empty()) {
        return;
    }
    const std::optional<std::int64_t> stake = ParseStake(stawka.text);
    if (!stake) {
        koszt.text = "Stawki nie można odczytać: wpisz kwotę, np. 3,00.";
        return;
    }
    const auto tickets = static_cast<std::int64_t>(shown_->tickets.size());
    koszt.text = "Koszt: " + Counted(shown_->tickets.size(), "zakład", "zakłady", "zakładów") +
                 " × " + Zloty(*stake) + " = " + Zloty(tickets * *stake);
}

}  // namespace kulko
