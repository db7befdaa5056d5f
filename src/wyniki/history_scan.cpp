#include "wyniki/history_scan.hpp"

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <bitset>
#include <cerrno>
#include <cstring>
#include <optional>

#include "files/in_out_error.hpp"
#include "text/digits.hpp"
#include "text/usual_numbers.hpp"

namespace kulko {
namespace {

// A draw number field of the history: decimal digits and nothing else.
std::optional<std::size_t> PlainNumber(std::string_view field) {
    if (field.empty() || field.size() > 9) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (const char c : field) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

// The draw number of a counted line, before its first ";" (which opens its
// date, so at least eleven bytes follow the number's start). Nearly every
// number has at most eight digits: they are read as one word.
std::optional<std::size_t> LineNumber(std::string_view line, std::size_t length) {
    if constexpr (std::endian::native == std::endian::little) {
        if (length != 0 && length <= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, line.data(), sizeof word);
            const std::size_t lead = 8 - length;  // zeros to put before the digits
            if (lead != 0) {
                word = word << (8 * lead) | 0x3030303030303030ull >> (8 * length);
            }
            if (NonDigitBytes(word) != 0) {
                return std::nullopt;
            }
            return EightDigitsValue(word);
        }
    }
    return PlainNumber(line.substr(0, length));
}

// The key of a date field; a line's date read straight from its digits
// where it has them all, as nearly every line has: day, month and year put
// in the key's order in one word.
DateKey KeyOf(std::string_view date) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t head = 0;
        std::uint16_t tail = 0;
        std::memcpy(&head, date.data(), sizeof head);
        std::memcpy(&tail, date.data() + 8, sizeof tail);
        const std::uint64_t digits = head >> 48 | std::uint64_t{tail} << 16 |
                                     (head >> 24 & 0xFFFF) << 32 | (head & 0xFFFF) << 48;
        if (NonDigitBytes(digits) == 0) {
            return static_cast<DateKey>(EightDigitsValue(digits));
        }
    }
    return HistoryDateKey(date);
}

// Picks the asked-about draws out of the lines as the validating read
// counts them, and the last line's draw number.
class AskedDraws : public CountedLines {
  public:
    AskedDraws(const HistoryQuestions& questions, std::vector<HistoryDraw>& asked)
        : questions_(questions), asked_(asked) {
        for (const std::size_t number : questions.numbers) {
            numberMarks_.set(number % kMarks);
        }
        for (const DateKey date : questions.dates) {
            dateMarks_.set(static_cast<std::size_t>(date) % kMarks);
        }
    }

    void Counted(std::string_view line, std::string_view date, const NumberSet& six) override {
        // A counted line passed the date check: its first ";" opens the date.
        lastNumber_ = LineNumber(line, static_cast<std::size_t>(date.data() - line.data()) - 1);
        const std::size_t number = lastNumber_.value_or(0);
        const DateKey key = KeyOf(date);
        if ((numberMarks_[number % kMarks] && Among(questions_.numbers, number)) ||
            (dateMarks_[static_cast<std::size_t>(key) % kMarks] && Among(questions_.dates, key))) {
            HistoryDraw draw{number, key, six};
            std::sort(draw.numbers.begin(), draw.numbers.end());
            asked_.push_back(draw);
        }
    }

    std::optional<std::size_t> LastNumber() const { return lastNumber_; }

  private:
    template <typename Value>
    static bool Among(const std::vector<Value>& sorted, Value value) {
        return !sorted.empty() && value >= sorted.front() && value <= sorted.back() &&
               std::binary_search(sorted.begin(), sorted.end(), value);
    }

    // A line is looked up only when its number or date has a mark here:
    // nearly every line of a long history has neither.
    static constexpr std::size_t kMarks = 4096;
    std::bitset<kMarks> numberMarks_;
    std::bitset<kMarks> dateMarks_;
    const HistoryQuestions& questions_;
    std::vector<HistoryDraw>& asked_;
    std::optional<std::size_t> lastNumber_;
};

// What follows the lines: a Ctrl-Z and anything after it.
std::string ReadTail(int fd, std::uint64_t from) {
    std::string tail;
    char chunk[1 << 16];
    for (auto at = static_cast<off_t>(from);;) {
        const ssize_t got = ::pread(fd, chunk, sizeof chunk, at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw InOutError::FromErrno(errno);
        }
        if (got == 0) {
            return tail;
        }
        tail.append(chunk, static_cast<std::size_t>(got));
        at += got;
    }
}

}  // namespace

ScannedHistory ScanHistory(const std::filesystem::path& resultsFile,
                           const HistoryQuestions& questions) {
    ScannedHistory history;
    // Taken before the read: a file changed while it is read never passes
    // for the one read.
    history.identity = IdentityOf(resultsFile);
    history.file = std::make_unique<TextFileStream>(resultsFile);
    AskedDraws asked(questions, history.asked);
    const bool asking = !questions.numbers.empty() || !questions.dates.empty();
    // The tool shows no newest draws, so no count of lines is taken first.
    history.verdict = ValidateResults(*history.file, true, 0, history.summary,
                                      asking ? &asked : nullptr, questions.scope);
    if (history.verdict.kind != ValidationVerdict::Kind::Sound) {
        history.asked.clear();
        return history;
    }
    history.lastDate = HistoryDateKey(history.summary.lastDate);
    history.lastNumber = asked.LastNumber().value_or(history.summary.readDrawCount);
    history.linesEnd = history.file->LinesEnd();
    // The byte before the end of the lines tells whether the last line is
    // ended; it is read with what follows.
    const bool lines = history.linesEnd > 0;
    history.tail = ReadTail(history.file->Descriptor(), history.linesEnd - (lines ? 1 : 0));
    if (lines && !history.tail.empty()) {
        history.lastByte = history.tail.front();
        history.tail.erase(0, 1);
    }
    return history;
}

}  // namespace kulko
