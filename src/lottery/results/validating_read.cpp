#include "results/validating_read.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "results/results_line.hpp"

namespace kulko {

namespace {

ValidationVerdict Damage(ValidationVerdict::Kind kind, std::string_view line) {
    return {kind, std::string(line.substr(0, kShownLineLength))};
}

// The high bit of each byte of the word that holds a ";", no other bit.
std::uint64_t SemicolonBytes(std::uint64_t word) {
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7full;
    const std::uint64_t x = word ^ (0x0101010101010101ull * ';');  // zero where ";" was
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// One results line searched once for its semicolons: the check, the fields
// and the tokens all come from where the first ones stand. A line of more
// semicolons than are kept has its further tokens cut as it goes.
class ScannedLine {
  public:
    explicit ScannedLine(std::string_view line) : line_(line) {
        std::size_t at = 0;
        if constexpr (std::endian::native == std::endian::little) {
            // The start of the line eight bytes at a time, without a branch
            // on every byte; a long line's rest is left to the search below.
            const std::size_t words = std::min(line.size(), kWordBytes) / 8 * 8;
            for (; at < words && found_ < kKept; at += 8) {
                std::uint64_t word = 0;
                std::memcpy(&word, line.data() + at, 8);
                for (std::uint64_t marks = SemicolonBytes(word); marks != 0 && found_ < kKept;
                     marks &= marks - 1) {
                    semicolons_[found_++] =
                        at + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
                }
            }
        }
        for (at = found_ < kKept ? FindSemicolon(line, at) : std::string_view::npos;
             at != std::string_view::npos && found_ < kKept; at = FindSemicolon(line, at + 1)) {
            semicolons_[found_++] = at;
        }
    }

    bool HasMoreSemicolonsThan(std::size_t limit) const { return found_ > limit; }

    // The date field as CutResultsLine cuts it.
    std::string_view Date() const {
        return found_ == 0 ? std::string_view{} : line_.substr(semicolons_[0] + 1, kDateLength);
    }

    // Calls visit(value) for every token of the numbers part, converted, as
    // ForEachNumber does for the numbers part CutResultsLine cuts.
    template <typename Visit>
    void ForEachNumber(Visit&& visit) const {
        // The numbers part starts after the second semicolon, after the only
        // one, or at the start of a line without any.
        std::size_t next = std::min<std::size_t>(found_, 2);
        std::size_t start = next == 0 ? 0 : semicolons_[next - 1] + 1;
        for (; next < found_; ++next) {
            visit(TextToNumberValue(line_.substr(start, semicolons_[next] - start)));
            start = semicolons_[next] + 1;
        }
        if (found_ == kKept) {
            kulko::ForEachNumber(line_.substr(start), visit);
        } else {
            visit(TextToNumberValue(line_.substr(start)));
        }
    }

  private:
    // Enough for every line the check lets through, and then some.
    static constexpr std::size_t kKept = 16;
    static constexpr std::size_t kWordBytes = 128;
    std::string_view line_;
    std::array<std::size_t, kKept> semicolons_;
    std::size_t found_ = 0;
};

// Reads a line by the usual form where it has it: the six numbers and the
// date as the general cutting gives them. A number past 49 is left to the
// general reading, which stops the check there.
bool ReadUsualLine(const char* text, std::size_t size, std::size_t at, UsualResultsLine& usual,
                   NumberSet& six) {
    if (!ScanUsualResultsLine(text, size, at, usual)) {
        return false;
    }
    unsigned outOfRange = 0;
    for (std::size_t i = 0; i < six.size(); ++i) {
        six[i] = usual.numbers[i];
        outOfRange |= static_cast<unsigned>(usual.numbers[i] > kHighestNumber);
    }
    return outOfRange == 0;
}

// The newest draws of a read that does not know its count of lines
// beforehand: the last fifty draws it fed the summary, each with the count
// it had, put in their rows once the count of lines is known.
class NewestDraws {
  public:
    void Add(std::size_t count, const NumberSet& six) { kept_[count & (kKept - 1)] = {count, six}; }
    // As the summary puts them when it knows the count of lines beforehand.
    void PutInto(DrawSummary& summary, std::size_t lineTotal) const {
        for (const Kept& draw : kept_) {
            if (draw.count != 0) {
                NumberSet sorted = draw.six;
                std::sort(sorted.begin(), sorted.end());
                summary.PutRecentDraw(sorted, draw.count, lineTotal);
            }
        }
    }

  private:
    struct Kept {
        std::size_t count = 0;
        NumberSet six{};
    };
    static constexpr std::size_t kKept = 64;  // the fifty rows and more, a power of two
    std::array<Kept, kKept> kept_{};
};

}  // namespace

ValidationVerdict ValidateResults(TextReader& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary, CountedLines* counted, SummaryScope scope) {
    const bool whole = scope == SummaryScope::Whole;
    using Kind = ValidationVerdict::Kind;
    // The date of the last counted line is kept in a few bytes of its own
    // (a line read a piece at a time does not outlive the next one) and
    // stored when the read ends.
    const std::size_t countedBefore = summary.readDrawCount;
    std::array<char, kDateLength> lastDateBytes{};
    std::string_view lastDate;
    const auto keepDate = [&](std::string_view date) {
        if (!date.empty()) {
            std::memcpy(lastDateBytes.data(), date.data(), date.size());
        }
        lastDate = std::string_view(lastDateBytes.data(), date.size());
    };
    const bool lineTotalKnown = resultsLineTotal != kLineTotalUnknown;
    NewestDraws newest;
    const auto count = [&](std::string_view line, std::string_view date, const NumberSet& six) {
        ++summary.readDrawCount;
        if (whole) {
            summary.AddDraw(six, resultsLineTotal);
        }
        if (!lineTotalKnown) {
            newest.Add(summary.readDrawCount, six);
        }
        if (counted != nullptr) {
            counted->Counted(line, date, six);
        }
    };
    // The numbers of usual lines, 0 to 49, are tallied apart without a
    // test of their range, and added to the summary's counts at the end.
    std::array<int, kHighestNumber + 1> usualTally{};
    std::size_t linesRead = 0;
    const auto finish = [&] {
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            summary.numberFrequency[static_cast<std::size_t>(n - 1)] +=
                usualTally[static_cast<std::size_t>(n)];
        }
        if (summary.readDrawCount != countedBefore) {
            summary.lastDate.assign(lastDate);
        }
        if (!lineTotalKnown) {
            newest.PutInto(summary, linesRead);
        }
    };
    const auto stop = [&](Kind kind, std::string_view line) {
        ValidationVerdict damage = Damage(kind, line);
        // The newest draws counted before the damage keep their rows, as
        // counted from the file's end.
        for (std::string_view rest; !lineTotalKnown && reader.ReadLine(rest);) {
            ++linesRead;
        }
        finish();
        return damage;
    };
    std::string_view line;
    for (;;) {
        // Usual lines straight from the bytes read ahead, while a whole
        // reach of them is there: no line is cut out first.
        const std::string_view ahead = reader.Ahead();
        std::size_t at = 0;
        const char* newestDate = nullptr;
        UsualResultsLine usual;
        NumberSet six{};
        while (ahead.size() - at >= kUsualLineReach &&
               ReadUsualLine(ahead.data(), ahead.size(), at, usual, six)) {
            for (const int value : six) {
                if (whole) {
                    ++usualTally[static_cast<std::size_t>(value)];
                }
            }
            newestDate = ahead.data() + at + usual.dateAt;
            count(ahead.substr(at, usual.length), std::string_view(newestDate, kDateLength), six);
            at += usual.next;
            ++linesRead;
        }
        if (newestDate != nullptr) {
            keepDate(std::string_view(newestDate, kDateLength));
        }
        reader.Skip(at);
        // Any other line, and those near the end of what is read ahead.
        if (!reader.ReadLine(line)) {
            break;
        }
        ++linesRead;
        six = NumberSet{};
        std::string_view date;
        const bool cut = reader.LineCut();
        if (!cut && ReadUsualLine(line.data(), line.size(), 0, usual, six)) {
            for (const int value : six) {
                if (whole) {
                    ++usualTally[static_cast<std::size_t>(value)];
                }
            }
            date = line.substr(usual.dateAt, kDateLength);
        } else {
            const ScannedLine scanned(line);
            if (check && scanned.HasMoreSemicolonsThan(7)) {
                return stop(Kind::SemicolonError, line);
            }
            date = scanned.Date();
            if (check && !IsDateWellFormed(date)) {
                return stop(Kind::DateError, line);
            }
            std::size_t index = 0;
            bool rangeError = false;
            six = NumberSet{};
            scanned.ForEachNumber([&](int value) {
                if (whole) {
                    summary.CountToken(value);
                }
                rangeError = rangeError || value > kHighestNumber;
                if (index < six.size()) {
                    six[index++] = value;
                }
            });
            if (check && rangeError) {
                // The line is counted before its numbers are looked at.
                keepDate(date);
                ++summary.readDrawCount;
                return stop(Kind::RangeError, line);
            }
            if (check && cut) {
                // Its further fields were never read.
                return stop(Kind::SemicolonError, line);
            }
        }
        keepDate(date);
        count(line, date, six);
    }
    finish();
    summary.Finish();
    return {};
}

ValidationVerdict ValidateResultsFile(const std::filesystem::path& file, bool check,
                                      DrawSummary& summary, FileIdentity* readIdentity) {
    // The identity before the read: a change made after it gives the file
    // another identity, so the counts are never taken for a later state.
    FileIdentity before;
    const bool identified = FileIdentity::OfPath(file.c_str(), before);
    // A piece at a time: the file is never held whole, and the newest
    // draws find their rows once the count of lines is known.
    TextReader reader(file);
    ValidationVerdict verdict = ValidateResults(reader, check, kLineTotalUnknown, summary);
    if (identified && readIdentity != nullptr && verdict.kind == ValidationVerdict::Kind::Sound) {
        *readIdentity = before;
    }
    return verdict;
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
