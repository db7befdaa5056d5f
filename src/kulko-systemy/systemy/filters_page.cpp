#include "systemy/filters_page.hpp"

#include "analyses/filter_report.hpp"
#include "analyses/set_history.hpp"
#include "files/work_files.hpp"
#include "game/number_set.hpp"
#include "generator/draw_generator.hpp"
#include "results/draw_summary.hpp"
#include "systemy/page_history.hpp"
#include "text/polish_text.hpp"

namespace kulko {
namespace {

Choice NumbersUpTo(int highest) {
    Choice choice;
    for (int n = 1; n <= highest; ++n) {
        choice.items.push_back(std::to_string(n));
    }
    return choice;
}

// The value the selected item of a group stands for.
template <typename Value, std::size_t N>
Value Chosen(const Choice& choice, const Value (&values)[N]) {
    const std::size_t index = static_cast<std::size_t>(choice.index);
    return index < N ? values[index] : values[0];
}

}  // namespace

FiltersPage::FiltersPage(std::filesystem::path workDir)
    : CountingPage({workDir / kResultsFile}, &FiltersPage::PoliczClick),
      tryb{{"normalny", "bez 6", "bez 5", "bez 4"}},
      warunek{{"dowolny", "bez 2 w kolejności", "bez 3 w kolejności", "tylko parzyste",
               "tylko nieparzyste"}},
      wymuszenie{{"bez", "z jedną liczbą max", "z jedną liczbą min", "z liczbą"}},
      liczba(NumbersUpTo(kHighestNumber)),
      ostatnie{{"nie uwzględniaj", "nie dopuść dwójki", "nie dopuść trójki"}},
      zIlu(NumbersUpTo(kRecentDrawRows)),
      przewaga{{"nie uwzględniaj", "jak w statystyce", "przewaga niskich", "przewaga wysokich"}},
      workDir_(std::move(workDir)) {}

GeneratorOptions FiltersPage::Options() const {
    static const DrawMode kModes[] = {DrawMode::Normal, DrawMode::NoSix, DrawMode::NoFive,
                                      DrawMode::NoFour};
    static const DrawCondition kConditions[] = {DrawCondition::Any, DrawCondition::NoTwoInRow,
                                                DrawCondition::NoThreeInRow,
                                                DrawCondition::EvenOnly, DrawCondition::OddOnly};
    static const DrawForcing kForcings[] = {DrawForcing::None, DrawForcing::WithMax,
                                            DrawForcing::WithMin, DrawForcing::WithNumber};
    static const RecentFilter kRecent[] = {RecentFilter::Ignore, RecentFilter::NoPair,
                                           RecentFilter::NoTriple};
    static const DrawBias kBiases[] = {DrawBias::Ignore, DrawBias::AsStatistics,
                                       DrawBias::LowMajority, DrawBias::HighMajority};
    GeneratorOptions options;
    options.mode = Chosen(tryb, kModes);
    options.condition = Chosen(warunek, kConditions);
    options.forcing = Chosen(wymuszenie, kForcings);
    options.forcedNumber = liczba.index + 1;
    options.recentFilter = Chosen(ostatnie, kRecent);
    options.recentCount = zIlu.index + 1;
    options.notIfAlreadyDrawn = juzByla.checked;
    options.bias = Chosen(przewaga, kBiases);
    return options;
}

void FiltersPage::Clear() {
    zestawy.text.clear();
    szanse.text.clear();
    odrzuca = {};
    losowania.text.clear();
}

void FiltersPage::PoliczClick() {
    TakeInputs();
    CountOnCopy(&FiltersPage::CountNow, &FiltersPage::ShowCount, "Liczę wszystkie zestawy…");
}

void FiltersPage::ShowCount(FiltersPage& counted) {
    zestawy = std::move(counted.zestawy);
    szanse = std::move(counted.szanse);
    odrzuca = std::move(counted.odrzuca);
    losowania = std::move(counted.losowania);
    stan = std::move(counted.stan);
}

void FiltersPage::CountNow() {
    Clear();
    const std::optional<DrawHistory> history = ReadPageHistory(workDir_, stan);
    if (!history) {
        return;
    }
    const FilterReport report = AnalyseFilters(Options(), *history);
    const FilterCount& count = report.count;
    const double allShare = static_cast<double>(count.passing) / static_cast<double>(kAllSets);
    zestawy.text = "Przechodzi " + WithThousands(static_cast<std::uint64_t>(count.passing)) +
                   " z " + WithThousands(kAllSets) + " zestawów (" + Percent(allShare) + ").";
    szanse.text =
        "Szansa, że jedna próba „Losuj” zostanie przyjęta: " + Percent(count.attemptChance) + " (" +
        OneIn(count.attemptChance) + ")" + "; że naciśnięcie „Losuj” znajdzie zestaw w " +
        std::to_string(kMaxDrawAttempts) + " próbach: " + Percent(count.pressChance) + ".";
    odrzuca.columns = {"Grupa opcji", "Odrzuca sama", "Część wszystkich zestawów"};
    static const char* const kGroups[] = {"Wymuszenia", "Przewaga", "Tryby losowania", "Warunki",
                                          "Ostatnie losowanie"};
    for (std::size_t g = 0; g < kFilterGroups; ++g) {
        const std::int64_t removed = count.removedAlone[g];
        odrzuca.rows.push_back(
            {kGroups[g], WithThousands(static_cast<std::uint64_t>(removed)),
             Percent(static_cast<double>(removed) / static_cast<double>(kAllSets))});
    }
    const BacktestResult& backtest = report.backtest;
    const double drawShare = backtest.tested == 0 ? 0.0
                                                  : static_cast<double>(backtest.letThrough) /
                                                        static_cast<double>(backtest.tested);
    losowania.text = "Z dawnych losowań te opcje przepuściłyby " +
                     WithThousands(static_cast<std::uint64_t>(backtest.letThrough)) + " z " +
                     WithThousands(static_cast<std::uint64_t>(backtest.tested)) + " (" +
                     Percent(drawShare) + "); ze wszystkich zestawów " + Percent(allShare) + ".";
    stan.text = "Policzono na " +
                Counted(static_cast<std::size_t>(backtest.tested), "losowaniu", "losowaniach",
                        "losowaniach") +
                ".";
}

}  // namespace kulko
