// "Losuj": the draw under the chosen options, or the minimum search.
#include "app/tgenerator.hpp"
#include "common/random_source.hpp"
#include "common/text_to_number.hpp"
#include "generator/draw_generator.hpp"
#include "generator/minimum_search.hpp"
#include "stats/number_counts.hpp"

namespace kulko {
namespace {

constexpr const char* kDrawFailedText =
    "Problem z wygenerowaniem zestawu liczb. Zmień kryteria losowania.";

DrawMode SelectedMode(const Tgenerator& window) {
    if (window.los2.checked) {
        return DrawMode::NoSix;
    }
    if (window.los3.checked) {
        return DrawMode::NoFive;
    }
    if (window.los4.checked) {
        return DrawMode::NoFour;
    }
    return DrawMode::Normal;
}

DrawCondition SelectedCondition(const Tgenerator& window) {
    // A disabled but selected "tylko parzyste" or "tylko nieparzyste"
    // still applies: only the selection counts.
    if (window.w2.checked) {
        return DrawCondition::NoTwoInRow;
    }
    if (window.w3.checked) {
        return DrawCondition::NoThreeInRow;
    }
    if (window.w4.checked) {
        return DrawCondition::EvenOnly;
    }
    if (window.w5.checked) {
        return DrawCondition::OddOnly;
    }
    return DrawCondition::Any;
}

DrawForcing SelectedForcing(const Tgenerator& window) {
    if (window.los9.checked) {
        return DrawForcing::SixMinimum;
    }
    if (window.los6.checked) {
        return DrawForcing::WithMax;
    }
    if (window.los5.checked) {
        return DrawForcing::WithNumber;
    }
    if (window.los8.checked) {
        return DrawForcing::WithMin;
    }
    return DrawForcing::None;
}

RecentFilter SelectedRecentFilter(const Tgenerator& window) {
    if (window.os2.checked) {
        return RecentFilter::NoPair;
    }
    if (window.os3.checked) {
        return RecentFilter::NoTriple;
    }
    return RecentFilter::Ignore;
}

DrawBias SelectedBias(const Tgenerator& window) {
    if (window.prz2.checked) {
        return DrawBias::AsStatistics;
    }
    if (window.prz3.checked) {
        return DrawBias::LowMajority;
    }
    if (window.prz4.checked) {
        return DrawBias::HighMajority;
    }
    return DrawBias::Ignore;
}

GeneratorOptions ReadGeneratorOptions(const Tgenerator& window) {
    GeneratorOptions options;
    options.mode = SelectedMode(window);
    options.condition = SelectedCondition(window);
    options.forcing = SelectedForcing(window);
    // Both combos are editable: whatever was typed goes through the
    // program's number conversion, and a text that is no number gives 0.
    options.forcedNumber = TextToNumberValue(window.liczby.text);
    options.recentFilter = SelectedRecentFilter(window);
    options.recentCount = TextToNumberValue(window.ile_los.text);
    options.notIfAlreadyDrawn = window.os4.checked;
    options.bias = SelectedBias(window);
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
    CurrentSet = {};
    if (los9.checked) {
        SzukajMinimum();
    } else {
        const GeneratorOptions options = ReadGeneratorOptions(*this);
        RandomSource random(system_.Seed());
        DrawAttempts = 0;
        // The file is read anew at every press: the renumbering or the
        // user's editor may have changed it since the last one.
        ResultsHistory history(File("kulko.txt"), options.mode);
        const DrawOutcome outcome = DrawRandomSet(options, StatisticsOf(*this), history, random);
        DrawAttempts = outcome.attempts;
        if (!outcome.accepted) {
            // The previous set stays shown and pending.
            screen_.Inform(kDrawFailedText);
            return;
        }
        CurrentSet = outcome.set;
        PendingSetText = NumberSetText(outcome.set);
    }
    ShowDrawnSet();
}

void Tgenerator::SzukajMinimum() {
    // Counted anew from the file as it is now, not from the start-up counts.
    CurrentSet = SixLeastDrawn(CountResultsNumbers(File("kulko.txt")));
    PendingSetText = NumberSetText(CurrentSet);
}

}  // namespace kulko
