#include "systemy/system_report.hpp"

#include "game/subset_rank.hpp"
#include "text/polish_text.hpp"

namespace kulko {
namespace {

std::string BoundText(const BuiltSystem& system) {
    if (system.bound.exact) {
        return "";
    }
    std::string text =
        " Dolna granica: " + WithThousands(system.bound.tickets) +
        (system.bound.schoenheim ? " (ograniczenie Schönheima)"
                                 : " (z liczby układów, które pokrywa jeden zakład)");
    if (system.tickets.size() <= system.bound.tickets) {
        text += " – mniejszy system nie istnieje";
    }
    return text + ".";
}

// Beside the size: the smallest the literature knows for the cell, and
// whether no smaller system can exist.
std::string RecordText(const BuiltSystem& system) {
    std::string text;
    if (system.record) {
        text = "najmniejszy znany: " + WithThousands(system.record->smallest);
    }
    if (system.optimal && !system.bound.exact) {
        text += (text.empty() ? "" : ", ") + std::string("optymalny");
    }
    return text.empty() ? "" : " (" + text + ")";
}

std::string OriginText(const BuiltSystem& system) {
    switch (system.origin) {
        case SystemOrigin::kTable:
            return " System z dołączonej tabeli.";
        case SystemOrigin::kConstruction:
            return " System ze znanej konstrukcji.";
        case SystemOrigin::kSplit:
            return " System złożony z systemów na częściach wybranych liczb.";
        case SystemOrigin::kSearch:
            break;
    }
    return "";
}

}  // namespace

std::string SystemSummary(const BuiltSystem& system, NumberBits numbers, Guarantee guarantee) {
    const int v = CountBits(numbers);
    const std::string what =
        guarantee.Full() ? "Pełny system" : "System " + GuaranteeName(guarantee);
    return what + " z " + std::to_string(v) +
           " liczb: " + Counted(system.tickets.size(), "zakład", "zakłady", "zakładów") +
           RecordText(system) + "." + BoundText(system) + OriginText(system) +
           " Gwarancja sprawdzona we wszystkich " + WithThousands(Binomial(v, guarantee.m)) +
           " układach " + std::to_string(guarantee.m) + " z wybranych liczb.";
}

TextTable BestHitsTable(const BestHits& hits) {
    TextTable table;
    table.columns = {"Wylosowanych wśród wybranych",
                     "Gwarantowane trafienie",
                     "Najlepszy zakład trafia 3",
                     "4",
                     "5",
                     "6"};
    for (int j = 3; j <= kTicketSize; ++j) {
        std::vector<std::string> row = {
            Counted(static_cast<std::uint64_t>(j), "liczba", "liczby", "liczb"),
            std::to_string(hits.Guaranteed(j))};
        for (int h = 3; h <= kTicketSize; ++h) {
            row.push_back(h > j ? "–" : Percent(hits.Share(j, h)));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

TextTable OddsTable(const DrawOdds& odds) {
    TextTable table;
    table.columns = {"Trafień", "System: szansa na co najmniej tyle", "Tyle samo losowych zakładów",
                     "Średnio zakładów z dokładnie tyloma"};
    for (const TierOdds& tier : odds.tiers) {
        table.rows.push_back({std::to_string(tier.hits),
                              Percent(tier.systemChance) + " (" + OneIn(tier.systemChance) + ")",
                              Percent(tier.randomChance) + " (" + OneIn(tier.randomChance) + ")",
                              Decimal(tier.expectedWinners, 4)});
    }
    return table;
}

}  // namespace kulko
