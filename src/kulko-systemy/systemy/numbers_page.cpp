#include "systemy/numbers_page.hpp"

#include <algorithm>
#include <cstdio>

#include "analyses/number_runs.hpp"
#include "files/work_files.hpp"
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
    row.push_back(WithThousands(static_cast<std::uint64_t>(c.count)));
    if (!mark.empty()) {
        row.push_back(mark);
    }
    return row;
}

}  // namespace

NumbersPage::NumbersPage(std::filesystem::path workDir)
    : CountingPage({workDir / kResultsFile}, &NumbersPage::PoliczClick),
      workDir_(std::move(workDir)) {}

void NumbersPage::PoliczClick() {
    TakeInputs();
    CountOnCopy(&NumbersPage::CountNow, &NumbersPage::ShowCount, "Liczę…");
}

void NumbersPage::ShowCount(NumbersPage& counted) {
    liczby = std::move(counted.liczby);
    pasmo = std::move(counted.pasmo);
    wykres = std::move(counted.wykres);
    oczekiwane = std::move(counted.oczekiwane);
    pary = std::move(counted.pary);
    trojki = std::move(counted.trojki);
    stan = std::move(counted.stan);
}

void NumbersPage::CountNow() {
    liczby = {};
    pary = {};
    trojki = {};
    pasmo.text.clear();
    wykres.Clear();
    oczekiwane.text.clear();
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
        liczby.rows.push_back({std::to_string(n + 1),
                               WithThousands(static_cast<std::uint64_t>(runs.total[n])),
                               WithThousands(static_cast<std::uint64_t>(runs.sinceLast[n])),
                               WithThousands(static_cast<std::uint64_t>(runs.longestGap[n])),
                               WithThousands(static_cast<std::uint64_t>(runs.recent[n])), against});
    }
    pasmo.text = "Sam przypadek daje każdej liczbie średnio " +
                 Decimal(ExpectedNumberCount(runs.draws), 1) +
                 " wylosowań; 95% szans mieści się w " + std::to_string(band.low) + "–" +
                 std::to_string(band.high) + ".";
    DrawBandChart(wykres, runs.total, band, ExpectedNumberCount(runs.draws));
    // The expected counts stand in a line of their own, so that the
    // headings stay short enough to be read whole.
    oczekiwane.text = "Sam przypadek daje każdej parze średnio " +
                      Decimal(ExpectedPairCount(runs.draws), 2) + " wylosowań, każdej trójce " +
                      Decimal(ExpectedTripleCount(runs.draws), 2) + ".";
    pary.columns = {"Liczba", "Liczba", "Razem"};
    for (const Combination& pair : runs.pairs) {
        pary.rows.push_back(Row(pair));
    }
    trojki.columns = {"Liczba", "Liczba", "Liczba", "Razem", "Grupa"};
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
