#include "results/summary_texts.hpp"

#include "text/cp1250.hpp"

namespace kulko {

std::string VerdictText(const ValidationVerdict& verdict) {
    if (verdict.kind == ValidationVerdict::Kind::Sound) {
        return "Struktura bazy wynikow prawidłowa";
    }
    return DamageReportText(verdict.kind) + Cp1250ToUtf8(verdict.line);
}

std::array<std::string, kSummaryTextCount> SummaryTexts(const DrawSummary& summary) {
    const auto count = [](auto value) { return std::to_string(value); };
    return {
        "Baza losowań zawiera " + count(summary.readDrawCount) + " wpisów",
        "Data ostatniego losowania " + Cp1250ToUtf8(summary.lastDate),
        "Wartość max " + count(summary.maximumCount) + " osiągnął numer " +
            count(summary.mostFrequentNumber),
        "Wartość min " + count(summary.minimumCount) + " osiągnął numer " +
            count(summary.leastFrequentNumber),
        "Dwie w kolejności wystąpiły " + count(summary.pairDraws - summary.tripleDraws) + " razy",
        "Trzy w kolejności wystąpiły " + count(summary.tripleDraws) + " razy",
        "Parzyste wystąpiły w " + count(summary.allEvenDraws) + " losowaniach",
        "Nieparzyste wystąpiły w " + count(summary.allOddDraws) + " losowaniach",
        "Liczby niskie wystąpiły" + count(summary.lowNumberTotal) + " razy",
        "Liczby wysokie wystąpiły" + count(summary.highNumberTotal) + " razy",
    };
}

}  // namespace kulko
