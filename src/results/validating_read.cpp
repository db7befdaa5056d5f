#include "results/validating_read.hpp"

#include <algorithm>

#include "results/results_line.hpp"

namespace kulko {

ValidationVerdict ValidateResults(TextFileReader& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary) {
    using Kind = ValidationVerdict::Kind;
    std::string_view line;
    while (reader.ReadLine(line)) {
        if (check && std::count(line.begin(), line.end(), ';') > 7) {
            return {Kind::SemicolonError, std::string(line)};
        }
        const ResultsLineFields fields = CutResultsLine(line);
        if (check && !IsDateWellFormed(fields.date)) {
            return {Kind::DateError, std::string(line)};
        }
        summary.lastDate.assign(fields.date);
        ++summary.readDrawCount;

        NumberSet six{};
        std::size_t index = 0;
        bool rangeError = false;
        ForEachNumber(fields.numbersPart, [&](int value) {
            summary.CountToken(value);
            rangeError = rangeError || value > kHighestNumber;
            if (index < six.size()) {
                six[index++] = value;
            }
        });
        if (check && rangeError) {
            return {Kind::RangeError, std::string(line)};
        }
        summary.AddDraw(six, resultsLineTotal);
    }
    summary.Finish();
    return {};
}

const char* DamageReportText(ValidationVerdict::Kind kind) {
    switch (kind) {
        case ValidationVerdict::Kind::SemicolonError:
            return "Wykryto błąd średników w wierszu ";
        case ValidationVerdict::Kind::DateError:
            return "Wykryto błąd daty w wierszu ";
        case ValidationVerdict::Kind::RangeError:
            return "Wykryto błąd zakresu w wierszu ";
        case ValidationVerdict::Kind::Sound:
            break;
    }
    return "";
}

}  // namespace kulko
