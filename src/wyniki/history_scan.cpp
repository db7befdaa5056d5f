#include "wyniki/history_scan.hpp"

#include <algorithm>
#include <optional>

#include "files/text_file.hpp"
#include "text/digits.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

// A draw number field of the history: decimal digits and nothing else.
std::optional<std::size_t> PlainNumber(std::string_view field) {
    if (!AllDigits(field) || field.size() > 9) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(TextToNumberValue(field));
}

// Picks the asked-about draws out of the lines as the validating read
// counts them, and keeps the last line for its draw number.
class AskedDraws : public CountedLines {
  public:
    AskedDraws(const HistoryQuestions& questions, std::vector<HistoryDraw>& asked)
        : questions_(questions), asked_(asked) {}

    void Counted(std::string_view line, std::string_view date, const NumberSet& six) override {
        last_ = line;
        if (questions_.numbers.empty() && questions_.dates.empty()) {
            return;
        }
        // A counted line passed the date check: its first ";" opens the date.
        const std::size_t number =
            PlainNumber(line.substr(0, static_cast<std::size_t>(date.data() - line.data()) - 1))
                .value_or(0);
        const DateKey key = HistoryDateKey(date);
        if (Among(questions_.numbers, number) || Among(questions_.dates, key)) {
            HistoryDraw draw{number, key, six};
            std::sort(draw.numbers.begin(), draw.numbers.end());
            asked_.push_back(draw);
        }
    }

    std::string_view Last() const { return last_; }

  private:
    template <typename Value>
    static bool Among(const std::vector<Value>& sorted, Value value) {
        return !sorted.empty() && value >= sorted.front() && value <= sorted.back() &&
               std::binary_search(sorted.begin(), sorted.end(), value);
    }

    const HistoryQuestions& questions_;
    std::vector<HistoryDraw>& asked_;
    std::string_view last_;
};

}  // namespace

ScannedHistory ScanHistory(const std::filesystem::path& resultsFile,
                           const HistoryQuestions& questions) {
    ScannedHistory history;
    TextFileReader reader(resultsFile);
    AskedDraws asked(questions, history.asked);
    history.verdict =
        ValidateResults(reader, true, reader.LineCount(), history.summary, &asked);
    if (history.verdict.kind == ValidationVerdict::Kind::Sound) {
        history.lastDate = HistoryDateKey(history.summary.lastDate);
        const std::string_view last = asked.Last();
        history.lastNumber = PlainNumber(last.substr(0, last.find(';')))
                                 .value_or(history.summary.readDrawCount);
    } else {
        history.asked.clear();
    }
    // The views into the bytes are done with: they move, not copied.
    history.bytes = reader.ReleaseBytes();
    return history;
}

}  // namespace kulko
