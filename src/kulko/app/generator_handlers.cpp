// "Losuj": the draw under the chosen options, or the minimum search.
#include <initializer_list>
#include <optional>
#include <utility>

#include "app/tgenerator.hpp"
#include "files/work_dir_lock.hpp"
#include "files/work_files.hpp"
#include "generator/draw_generator.hpp"
#include "generator/minimum_search.hpp"
#include "generator/random_source.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

constexpr const char* kDrawFailedText =
    "Problem z wygenerowaniem zestawu liczb. Zmień kryteria losowania.";

// The value of the selected radio button of a group, or the group's first
// value when none of the listed buttons is selected.
template <typename Value>
Value Selected(std::initializer_list<std::pair<const Control*, Value>> group, Value otherwise) {
    for (const auto& [button, value] : group) {
        if (button->checked) {
            return value;
        }
    }
    return otherwise;
}

GeneratorOptions ReadGeneratorOptions(const Tgenerator& window) {
    GeneratorOptions options;
    options.mode = Selected({{&window.los2, DrawMode::NoSix},
                             {&window.los3, DrawMode::NoFive},
                             {&window.los4, DrawMode::NoFour}},
                            DrawMode::Normal);
    // A disabled but selected "tylko parzyste" or "tylko nieparzyste"
    // still applies: only the selection counts.
    options.condition = Selected({{&window.w2, DrawCondition::NoTwoInRow},
                                  {&window.w3, DrawCondition::NoThreeInRow},
                                  {&window.w4, DrawCondition::EvenOnly},
                                  {&window.w5, DrawCondition::OddOnly}},
                                 DrawCondition::Any);
    options.forcing = Selected({{&window.los9, DrawForcing::SixMinimum},
                                {&window.los6, DrawForcing::WithMax},
                                {&window.los5, DrawForcing::WithNumber},
                                {&window.los8, DrawForcing::WithMin}},
                               DrawForcing::None);
    // Both combos are editable: whatever was typed goes through the
    // program's number conversion, and a text that is no number gives 0.
    options.forcedNumber = TextToNumberValue(window.liczby.text);
    options.recentFilter =
        Selected({{&window.os2, RecentFilter::NoPair}, {&window.os3, RecentFilter::NoTriple}},
                 RecentFilter::Ignore);
    options.recentCount = TextToNumberValue(window.ile_los.text);
    options.notIfAlreadyDrawn = window.os4.checked;
    options.bias = Selected({{&window.prz2, DrawBias::AsStatistics},
                             {&window.prz3, DrawBias::LowMajority},
                             {&window.prz4, DrawBias::HighMajority}},
                            DrawBias::Ignore);
    return options;
}

StartupStatistics StatisticsOf(const Tgenerator& window) {
    return {window.MostFrequentNumber, window.LeastFrequentNumber, window.LowNumberTotal,
            window.HighNumberTotal, window.RecentDraws};
}

}  // namespace

void Tgenerator::SpeedButton2Click() {
    // The repaint removes the marks of the previous set.
    screen_.RepaintNow();
    // The press ends with a line in the draw log. It waits for no other
    // program's change first, and when it cannot have the directory it shows
    // nothing; a message box never waits with the lock held.
    std::optional<WorkDirLock> lock;
    lock.emplace(workDir_, PaintWhileWaiting());
    CurrentSet = {};
    if (los9.checked) {
        SzukajMinimum();
    } else {
        const GeneratorOptions options = ReadGeneratorOptions(*this);
        RandomSource random(system_.Seed());
        DrawAttempts = 0;
        // The file is read anew at every press: the renumbering or the
        // user's editor may have changed it since the last one. When it
        // cannot be read, the count stays at the attempt that needed it.
        ResultsHistory history(File(kResultsFile), options.mode);
        const DrawOutcome outcome =
            DrawRandomSet(options, StatisticsOf(*this), history, random, DrawAttempts);
        if (!outcome.accepted) {
            // The previous set stays shown and pending.
            lock.reset();
            screen_.Inform(kDrawFailedText);
            return;
        }
        CurrentSet = outcome.set;
        PendingSetText = NumberSetText(outcome.set);
    }
    ShowDrawnSet();
}

void Tgenerator::SzukajMinimum() {
    // Counted from the file as it is now, not from the start-up counts (the
    // counts of the last read serve while the file is provably unchanged).
    CurrentSet = SixLeastDrawn(resultsCounts_.Count(File(kResultsFile)));
    PendingSetText = NumberSetText(CurrentSet);
}

}  // namespace kulko
