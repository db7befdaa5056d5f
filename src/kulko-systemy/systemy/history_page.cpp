#include "systemy/history_page.hpp"

#include <algorithm>

#include "analyses/set_history.hpp"
#include "analyses/set_list.hpp"
#include "files/in_out_error.hpp"
#include "files/work_files.hpp"
#include "results/date_key.hpp"
#include "systemy/page_history.hpp"
#include "systemy/system_page.hpp"
#include "systemy/wins_chart.hpp"
#include "text/decimal_text.hpp"
#include "text/polish_text.hpp"

namespace kulko {
namespace {

std::string LastWinText(DateKey date) {
    return date == 0 ? "nigdy" : DateText(date);
}

// "5 (przypadek: 4,73)": a count with what chance alone gives beside it.
std::string Against(std::int64_t count, double expected) {
    return WithThousands(static_cast<std::uint64_t>(count)) +
           " (przypadek: " + Decimal(expected, expected < 1 ? 4 : 2) + ")";
}

std::vector<NumberSet> SetsOfSystem(const BuiltSystem& system) {
    std::vector<NumberSet> sets;
    for (const NumberBits ticket : system.tickets) {
        const std::vector<int> numbers = MembersOf(ticket);
        NumberSet set{};
        std::copy(numbers.begin(), numbers.begin() + kNumbersPerDraw, set.begin());
        sets.push_back(set);
    }
    return sets;
}

}  // namespace

HistoryPage::HistoryPage(std::filesystem::path workDir, const SystemPage& systemPage)
    : CountingPage({workDir / kResultsFile, workDir / kMemoryFile}, &HistoryPage::SprawdzClick),
      zrodlo{{"wszystkie zestawy z pamięci", "zaznaczone zestawy z pamięci", "zestaw wpisany",
              "system ze strony „System skrócony”"}},
      workDir_(std::move(workDir)),
      systemPage_(systemPage) {}

void HistoryPage::Start() {
    WczytajClick();
    SprawdzClick();
}

bool HistoryPage::ReadMemory() {
    SetList list;
    try {
        list = SetsOfFile(workDir_ / kMemoryFile);
    } catch (const InOutError& error) {
        stan.text = std::string("Nie można odczytać pamięci: ") + error.what();
        return false;
    }
    // The memory may have changed since (the first page's "Do pamięci", the
    // main window): the ticks stay on the sets that are still there.
    std::vector<std::string> ticked;
    for (std::size_t i = 0; i < pamiec.items.size(); ++i) {
        if (pamiec.checked[i]) {
            ticked.push_back(pamiec.items[i]);
        }
    }
    memorySets_ = list.sets;
    std::vector<std::string> lines;
    for (const NumberSet& set : memorySets_) {
        lines.push_back(NumberSetText(set));
    }
    pamiec.Assign(std::move(lines));
    for (std::size_t i = 0; i < pamiec.items.size(); ++i) {
        pamiec.checked[i] =
            std::find(ticked.begin(), ticked.end(), pamiec.items[i]) != ticked.end();
    }
    skippedLines_ = list.skipped.size();
    return true;
}

void HistoryPage::WczytajClick() {
    if (!ReadMemory()) {
        return;
    }
    stan.text = "Zestawów w pamięci: " + std::to_string(memorySets_.size()) + ".";
    if (skippedLines_ != 0) {
        stan.text +=
            " Pominięto wierszy, które nie są zestawem: " + std::to_string(skippedLines_) + ".";
    }
}

void HistoryPage::Clear() {
    wyniki = {};
    system.text.clear();
    wykres.Clear();
}

std::optional<std::vector<NumberSet>> HistoryPage::ChosenSets() {
    std::vector<NumberSet> sets;
    switch (zrodlo.index) {
        case kAllMemory:
        case kTickedMemory:
            if (!ReadMemory()) {
                return std::nullopt;
            }
            for (std::size_t i = 0; i < memorySets_.size() && i < pamiec.checked.size(); ++i) {
                if (zrodlo.index == kAllMemory || pamiec.checked[i]) {
                    sets.push_back(memorySets_[i]);
                }
            }
            if (sets.empty()) {
                stan.text = zrodlo.index == kAllMemory
                                ? "W pamięci nie ma jeszcze zestawów. Dopisz je w Kulko albo "
                                  "przyciskiem „Do pamięci” na stronie „System skrócony”, "
                                  "albo wpisz zestaw i wybierz „zestaw wpisany”."
                                : "Zaznacz zestawy do sprawdzenia.";
                return std::nullopt;
            }
            return sets;
        case kTyped: {
            NumberSet set{};
            if (!ReadSet(zestaw.text, set)) {
                stan.text =
                    "Wpisz zestaw: sześć różnych liczb od 1 do 49 oddzielonych średnikami, "
                    "np. 3;7;12;20;33;41.";
                return std::nullopt;
            }
            return std::vector<NumberSet>{set};
        }
        default:
            if (systemPage_.Shown() == nullptr) {
                stan.text = "Najpierw rozpisz system na stronie „System skrócony”.";
                return std::nullopt;
            }
            return SetsOfSystem(*systemPage_.Shown());
    }
}

void HistoryPage::SprawdzClick() {
    DropCount();
    TakeInputs();
    Clear();
    std::optional<DateKey> from = od.text.empty() ? 0 : DateOfText(od.text);
    std::optional<DateKey> to = doDnia.text.empty() ? 0 : DateOfText(doDnia.text);
    if (!from || !to) {
        stan.text = "Podaj datę jako DD.MM.RRRR, np. 07.12.2026, albo zostaw pole puste.";
        return;
    }
    const std::optional<std::vector<NumberSet>> sets = ChosenSets();
    if (!sets) {
        return;
    }
    std::optional<BuiltSystem> built;
    if (zrodlo.index == kSystem) {
        built = *systemPage_.Shown();
    }
    CountOnCopy([sets = *sets, built, from = *from,
                 to = *to](HistoryPage& copy) { copy.CountNow(sets, built, from, to); },
                &HistoryPage::ShowCount, "Sprawdzam…");
}

void HistoryPage::CountNow(const std::vector<NumberSet>& sets,
                           const std::optional<BuiltSystem>& built, DateKey from, DateKey to) {
    const std::optional<DrawHistory> history = ReadPageHistory(workDir_, stan);
    if (!history) {
        return;
    }
    ShowSets(sets, built, history->draws, DrawsBetween(history->draws, from, to));
}

void HistoryPage::ShowCount(HistoryPage& counted) {
    wyniki = std::move(counted.wyniki);
    system = std::move(counted.system);
    wykres = std::move(counted.wykres);
    stan = std::move(counted.stan);
}

void HistoryPage::ShowSets(const std::vector<NumberSet>& sets,
                           const std::optional<BuiltSystem>& built,
                           const std::vector<PastDraw>& draws, DrawRange range) {
    std::vector<SetRecord> records;
    for (const NumberSet& set : sets) {
        records.push_back(ScoreSet(set, draws, range));
    }
    const std::int64_t tested = records.front().draws;
    if (tested == 0) {
        stan.text = "W tym zakresie dat nie ma losowań.";
        return;
    }
    const std::array<double, 4> expected = ExpectedHits(tested);
    wyniki.columns = {"Zestaw"};
    for (std::size_t k = 0; k < expected.size(); ++k) {
        wyniki.columns.push_back(Counted(k + 3, "trafienie", "trafienia", "trafień") +
                                 "\nprzypadek:\n" +
                                 Decimal(expected[k], expected[k] >= 1      ? 2
                                                      : expected[k] >= 0.01 ? 3
                                                                            : 5));
    }
    wyniki.columns.insert(wyniki.columns.end(),
                          {"Ostatnia\nwygrana", "Najdłużej\nbez wygranej\n(losowań)"});
    for (std::size_t i = 0; i < sets.size(); ++i) {
        std::vector<std::string> row = {NumberSetText(sets[i])};
        for (std::int64_t hits : records[i].hits) {
            row.push_back(WithThousands(static_cast<std::uint64_t>(hits)));
        }
        row.push_back(LastWinText(records[i].lastWin));
        row.push_back(WithThousands(static_cast<std::uint64_t>(records[i].longestDrought)));
        wyniki.rows.push_back(std::move(row));
    }

    if (built) {
        const SystemRecord record = ScoreSystem(sets, draws, range);
        const auto& tiers = built->odds.tiers;
        const auto d = static_cast<double>(tested);
        std::string text = "Cały system (" + Counted(sets.size(), "zakład", "zakłady", "zakładów") +
                           "), najlepszy zakład w losowaniu trafił";
        for (std::size_t k = 0; k < tiers.size(); ++k) {
            const double below = k + 1 < tiers.size() ? tiers[k + 1].systemChance : 0.0;
            text += (k == 0 ? " " : ", ") + std::to_string(k + 3) + ": " +
                    Against(record.bestHits[k], d * (tiers[k].systemChance - below));
        }
        text += ". Wygrana (3 i więcej) w " + Against(record.paidDraws, d * tiers[0].systemChance) +
                " losowaniach.";
        system.text = text;
        DrawWinsChart(wykres, CumulativeWins(sets, draws, range, WinCount::PaidDraws),
                      tiers[0].systemChance, "Losowania z wygraną systemu");
    } else {
        DrawWinsChart(wykres, CumulativeWins(sets, draws, range, WinCount::EverySet),
                      WinChance() * static_cast<double>(sets.size()),
                      sets.size() == 1 ? "Wygrane zestawu" : "Wygrane wszystkich zestawów razem");
    }
    stan.text =
        "Sprawdzono " + Counted(sets.size(), "zestaw", "zestawy", "zestawów") + " na " +
        Counted(static_cast<std::size_t>(tested), "losowaniu", "losowaniach", "losowaniach") + ".";
}

}  // namespace kulko
