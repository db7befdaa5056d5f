#include "import/history_scan.hpp"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cerrno>
#include <cstring>
#include <optional>

#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
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

// Eight digit characters as they lie in memory, the first lowest: how a
// line's draw number (with zeros before it) and its date (year, month, day)
// are looked at. False for a draw number of more than eight digits and
// for any field with other characters: those are read by the general rules.
bool NumberWord(std::string_view line, std::size_t length, std::uint64_t& word) {
    if constexpr (std::endian::native == std::endian::little) {
        if (length != 0 && length <= 8) {
            // A counted line's first ";" opens its date: eleven bytes follow.
            std::memcpy(&word, line.data(), sizeof word);
            const std::size_t lead = 8 - length;
            if (lead != 0) {
                word = word << (8 * lead) | 0x3030303030303030ull >> (8 * length);
            }
            return NonDigitBytes(word) == 0;
        }
    }
    return false;
}

bool DateWord(std::string_view date, std::uint64_t& word) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t head = 0;
        std::uint16_t tail = 0;
        std::memcpy(&head, date.data(), sizeof head);
        std::memcpy(&tail, date.data() + 8, sizeof tail);
        word = head >> 48 | std::uint64_t{tail} << 16 | (head >> 24 & 0xFFFF) << 32 |
               (head & 0xFFFF) << 48;
        return NonDigitBytes(word) == 0;
    }
    return false;
}

// The word of a value below 100,000,000, as the two above make it.
std::uint64_t WordOf(std::uint64_t value) {
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i, value /= 10) {
        word |= (0x30 + value % 10) << (8 * i);
    }
    return word;
}

constexpr std::uint64_t kBelowWords = 100000000;

// Picks the asked-about draws out of the lines as the validating read
// counts them, and the last line's draw number. A line is looked up only
// when its number or date has a mark: nearly every line of a long history
// has neither, and it is told by one multiplication from the bytes.
class AskedDraws : public CountedLines {
  public:
    AskedDraws(const HistoryQuestions& questions, std::vector<HistoryDraw>& asked)
        : questions_(questions), asked_(asked) {
        for (const std::size_t number : questions.numbers) {
            numberMarks_.set(MarkOf(WordOf(number % kBelowWords)));
        }
        for (const DateKey date : questions.dates) {
            dateMarks_.set(MarkOf(WordOf(static_cast<std::uint64_t>(date) % kBelowWords)));
        }
    }

    void Counted(std::string_view line, std::string_view date, const NumberSet& six) override {
        const std::size_t length = static_cast<std::size_t>(date.data() - line.data()) - 1;
        std::uint64_t word = 0;
        lastIsWord_ = NumberWord(line, length, word);
        if (lastIsWord_) {
            lastWord_ = word;
            // Byte-swapped, the digits compare as the number does.
            highestWord_ = std::max(highestWord_, __builtin_bswap64(word));
        } else {
            word = ReadOtherNumber(line.substr(0, length));
        }
        std::uint64_t dateWord = 0;
        const bool dateIsWord = DateWord(date, dateWord);
        if (numberMarks_[MarkOf(word)] || !dateIsWord || dateMarks_[MarkOf(dateWord)]) {
            LookUp(date, dateIsWord, dateWord, six);
        }
        recent_[recentCount_++ % kRecentDates] = dateIsWord ? dateWord : OtherDateWord(date);
    }

    std::size_t HighestNumber() const {
        return std::max<std::size_t>(EightDigitsValue(__builtin_bswap64(highestWord_)),
                                     highestOther_);
    }

    // The dates of the last lines, oldest first.
    std::vector<DateKey> RecentDates() const {
        std::vector<DateKey> dates;
        const std::size_t count = std::min(recentCount_, kRecentDates);
        for (std::size_t i = recentCount_ - count; i < recentCount_; ++i) {
            dates.push_back(static_cast<DateKey>(EightDigitsValue(recent_[i % kRecentDates])));
        }
        return dates;
    }

    std::optional<std::size_t> LastNumber() const {
        return lastIsWord_ ? std::optional<std::size_t>(EightDigitsValue(lastWord_)) : lastNumber_;
    }

  private:
    static std::size_t MarkOf(std::uint64_t word) {
        return static_cast<std::size_t>((word * 0x9E3779B97F4A7C15ull) >> (64 - kMarkBits));
    }

    // Kept out of Counted, which every line passes through: its few steps
    // then need few registers.
    [[gnu::noinline]] std::uint64_t ReadOtherNumber(std::string_view field) {
        lastNumber_ = PlainNumber(field);
        highestOther_ = std::max(highestOther_, lastNumber_.value_or(0));
        return WordOf(lastNumber_.value_or(0) % kBelowWords);
    }

    [[gnu::noinline]] static std::uint64_t OtherDateWord(std::string_view date) {
        return WordOf(static_cast<std::uint64_t>(HistoryDateKey(date)) % kBelowWords);
    }

    [[gnu::noinline]] void LookUp(std::string_view date, bool dateIsWord, std::uint64_t dateWord,
                                  const NumberSet& six) {
        const std::size_t number = LastNumber().value_or(0);
        const DateKey key =
            dateIsWord ? static_cast<DateKey>(EightDigitsValue(dateWord)) : HistoryDateKey(date);
        if (Among(questions_.numbers, number) || Among(questions_.dates, key)) {
            HistoryDraw draw{number, key, six};
            std::sort(draw.numbers.begin(), draw.numbers.end());
            asked_.push_back(draw);
        }
    }

    template <typename Value>
    static bool Among(const std::vector<Value>& sorted, Value value) {
        return !sorted.empty() && value >= sorted.front() && value <= sorted.back() &&
               std::binary_search(sorted.begin(), sorted.end(), value);
    }

    static constexpr int kMarkBits = 12;
    static constexpr std::size_t kRecentDates = 100;
    std::bitset<std::size_t{1} << kMarkBits> numberMarks_;
    std::bitset<std::size_t{1} << kMarkBits> dateMarks_;
    const HistoryQuestions& questions_;
    std::vector<HistoryDraw>& asked_;
    bool lastIsWord_ = false;
    std::uint64_t lastWord_ = 0;
    std::optional<std::size_t> lastNumber_;
    std::uint64_t highestWord_ = 0x3030303030303030ull;  // "00000000"
    std::size_t highestOther_ = 0;
    std::array<std::uint64_t, kRecentDates> recent_{};
    std::size_t recentCount_ = 0;
};

// What follows the lines: a Ctrl-Z and anything after it.
std::string ReadTail(int fd, std::uint64_t from) {
    std::string tail;
    char chunk[1 << 16];
    for (auto at = static_cast<off_t>(from);; at += static_cast<off_t>(sizeof chunk)) {
        const ssize_t got = ReadFull(fd, chunk, sizeof chunk, at);
        if (got < 0) {
            throw InOutError::FromErrno(errno);
        }
        tail.append(chunk, static_cast<std::size_t>(got));
        if (static_cast<std::size_t>(got) < sizeof chunk) {
            return tail;
        }
    }
}

}  // namespace

ScannedHistory ScanHistory(const std::filesystem::path& resultsFile,
                           const HistoryQuestions& questions) {
    ScannedHistory history;
    // Taken before the read: a file changed while it is read never passes
    // for the one read.
    history.identity = IdentityOf(resultsFile);
    history.file = std::make_unique<TextReader>(resultsFile);
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
    history.highestNumber = std::max(asked.HighestNumber(), history.lastNumber);
    history.recentDates = asked.RecentDates();
    history.linesEnd = history.file->TextEnd();
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
