#include "systemy/numbers_page.hpp"

#include <algorithm>
#include <cstdio>

#include "analyses/number_runs.hpp"
#include "systemy/band_chart.hpp"
#include "systemy/page_history.hpp"
#include "text/polish_text.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

std::vector<std::string> Row(const Combination& c, const std::string& mark = "") {
    std::vector<std::string> row = {std::to_string(c.numbers[0]), std::to_string(c.numbers[1])};
    if (c.numbers[2] != 0) {
        row.push_back(std::to_string(c.numbers[2]));
    }
    row.push_back(std::to_string(c.count));
    if (!mark.empty()) {
        row.push_back(mark);
    }
    return row;
}

}  // namespace

void NumbersPage::PoliczClick() {
    liczby = {};
    pary = {};
    trojki = {};
    pasmo.text.clear();
    wykres.Clear();
    const NumberConversion last = TextToNumber(ostatnie.text);
    if (last.stoppedEarly || last.value < 1) {
        stan.text = "Podaj liczbę losowań: całą liczbę od 1 wzwyż.";
        return;
    }
    const std::optional<DrawHistory> history = ReadPageHistory(workDir_, stan);
    if (!history) {
        return;
    }
    const NumberRuns runs = CountNumberRuns(history->draws, last.value);
    const ChanceBand band = BinomialBand(runs.draws);
    liczby.columns = {"Liczba",
                      "Razem",
                      "Od ostatniego",
                      "Najdłuższa przerwa",
                      "W ostatnich " + ostatnie.text,
                      "Wobec przypadku"};
    for (std::size_t n = 0; n < runs.total.size(); ++n) {
        const char* against = runs.total[n] < band.low    ? "poniżej pasma"
                              : runs.total[n] > band.high ? "powyżej pasma"
                                                          : "w paśmie";
        liczby.rows.push_back({std::to_string(n + 1), std::to_string(runs.total[n]),
                               std::to_string(runs.sinceLast[n]),
                               std::to_string(runs.longestGap[n]), std::to_string(runs.recent[n]),
                               against});
    }
    pasmo.text = "Sam przypadek daje każdej liczbie średnio " +
                 Decimal(ExpectedNumberCount(runs.draws), 1) +
                 " wylosowań; 95% szans mieści się w " + std::to_string(band.low) + "–" +
                 std::to_string(band.high) + ".";
    DrawBandChart(wykres, runs.total, band, ExpectedNumberCount(runs.draws));
    pary.columns = {"Liczba", "Liczba",
                    "Razem (oczekiwane " + Decimal(ExpectedPairCount(runs.draws), 2) + ")"};
    for (const Combination& pair : runs.pairs) {
        pary.rows.push_back(Row(pair));
    }
    trojki.columns = {"Liczba", "Liczba", "Liczba",
                      "Razem (oczekiwane " + Decimal(ExpectedTripleCount(runs.draws), 3) + ")",
                      "Grupa"};
    constexpr std::size_t kShown = 20;
    for (std::size_t i = 0; i < kShown && i < runs.triples.size(); ++i) {
        trojki.rows.push_back(Row(runs.triples[i], "najczęstsze"));
    }
    for (std::size_t i = runs.triples.size() - std::min(kShown, runs.triples.size());
         i < runs.triples.size(); ++i) {
        trojki.rows.push_back(Row(runs.triples[i], "najrzadsze"));
    }
    stan.text = "Policzono " +
                Counted(static_cast<std::size_t>(runs.draws), "losowanie", "losowania", "losowań") +
                ".";
}

}  // namespace kulko
