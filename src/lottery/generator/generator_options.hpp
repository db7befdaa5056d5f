#pragma once

#include <cstdint>

namespace kulko {

// "Tryby losowania": which past draws a candidate must not resemble.
enum class DrawMode {
    Normal,  // "normalny": the history rejects nothing
    NoSix,   // "bez 6": no past draw, and no past draw shifted by a constant
    NoFive,  // "bez 5": shares at most four numbers with every past draw
    NoFour,  // "bez 4": shares at most three numbers with every past draw
};

// "Warunki": a test of the candidate alone.
enum class DrawCondition {
    Any,           // "dowolny"
    NoTwoInRow,    // "bez 2 w kolejności"
    NoThreeInRow,  // "bez 3 w kolejności"
    EvenOnly,      // "tylko parzyste"
    OddOnly,       // "tylko nieparzyste"
};

// "Wymuszenia": a number the set must contain, or the six least drawn ones.
enum class DrawForcing {
    None,        // "bez"
    WithMax,     // "z jedną liczbą max"
    WithNumber,  // "z liczbą"
    WithMin,     // "z jedną liczbą min"
    SixMinimum,  // "6 liczb minimalnych": the minimum search instead of a draw
};

// "Ostatnie losowanie": how many numbers may repeat from the newest draws.
enum class RecentFilter {
    Ignore,    // "nie uwzględniaj"
    NoPair,    // "nie dopuść dwójki"
    NoTriple,  // "nie dpuść trójki"
};

// "Przewaga": the balance of low (below 25) and high numbers.
enum class DrawBias {
    Ignore,        // "nie uwzględniaj"
    AsStatistics,  // "jak w statystyce"
    LowMajority,   // "przewaga niskich"
    HighMajority,  // "przewaga wysokich"
};

// The choices of one press of "Losuj", read from the option groups.
struct GeneratorOptions {
    DrawMode mode = DrawMode::Normal;
    DrawCondition condition = DrawCondition::Any;
    DrawForcing forcing = DrawForcing::None;
    std::int32_t forcedNumber = 1;  // "z liczbą", from the text of the combo
    RecentFilter recentFilter = RecentFilter::Ignore;
    std::int32_t recentCount = 1;    // "Z ilu losowań", from the text of the combo
    bool notIfAlreadyDrawn = false;  // "nie, jeżeli już była"
    DrawBias bias = DrawBias::Ignore;
};

}  // namespace kulko
