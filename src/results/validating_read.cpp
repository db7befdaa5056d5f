#include "results/validating_read.hpp"

#include <algorithm>

#include "results/results_line.hpp"

namespace kulko {

namespace {

ValidationVerdict Damage(ValidationVerdict::Kind kind, std::string_view line) {
    return {kind, std::string(line.substr(0, kShownLineLength))};
}

}  // namespace

ValidationVerdict ValidateResults(TextFileReader& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary) {
    using Kind = ValidationVerdict::Kind;
    // The date of the last counted line is kept as a view and stored when
    // the read ends.
    const std::size_t countedBefore = summary.readDrawCount;
    std::string_view lastDate;
    const auto storeLastDate = [&] {
        if (summary.readDrawCount != countedBefore) {
            summary.lastDate.assign(lastDate);
        }
    };
    const auto stop = [&](Kind kind, std::string_view line) {
        storeLastDate();
        return Damage(kind, line);
    };
    std::string_view line;
    while (reader.ReadLine(line)) {
        if (check && HasMoreSemicolonsThan(line, 7)) {
            return stop(Kind::SemicolonError, line);
        }
        const ResultsLineFields fields = CutResultsLine(line);
        if (check && !IsDateWellFormed(fields.date)) {
            return stop(Kind::DateError, line);
        }
        lastDate = fields.date;
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
            return stop(Kind::RangeError, line);
        }
        summary.AddDraw(six, resultsLineTotal);
    }
    storeLastDate();
    summary.Finish();
    return {};
}

ResultsFileRead ValidateResultsFile(const std::filesystem::path& file, bool check,
                                    DrawSummary& summary) {
    TextFileReader reader(file);
    ResultsFileRead read;
    read.lineTotal = reader.LineCount();
    read.verdict = ValidateResults(reader, check, read.lineTotal, summary);
    return read;
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
