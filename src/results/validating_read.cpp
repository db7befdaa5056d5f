#include "results/validating_read.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "results/results_line.hpp"
#include "text/digits.hpp"

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

// The usual line, "0001;27.01.1957;8;12;31;39;43;45": a draw number, the
// ten date characters with digits in their day, month and year, the second
// ";" right after them and six numbers of one or two digits up to 49. Such
// a line is read straight through, to what the cutting below gives for it:
// seven semicolons, a date whose parts convert completely, six tokens in
// range. Any other line is left to that cutting.
// The first ";" of a line: the draw number before it is four digits or
// seven, so the first sixteen bytes are looked at in one go where they can be.
std::size_t FirstSemicolon(std::string_view line) {
#if defined(__SSE2__)
    if (line.size() >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data()));
        const auto marks =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(';'))));
        return marks != 0 ? static_cast<std::size_t>(std::countr_zero(marks)) : FindSemicolon(line);
    }
#endif
    return FindSemicolon(line);
}

bool ReadUsualLine(std::string_view line, std::string_view& date, NumberSet& six) {
    const std::size_t first = FirstSemicolon(line);
    if (first == std::string_view::npos || line.size() < first + kDateLength + 2) {
        return false;
    }
    const char* at = line.data() + first + 1;
    const char* const end = line.data() + line.size();
    constexpr std::size_t kDigits[] = {0, 1, 3, 4, 6, 7, 8, 9};
    for (const std::size_t digit : kDigits) {
        if (!IsDigit(at[digit])) {
            return false;
        }
    }
    if (at[2] == ';' || at[5] == ';' || at[kDateLength] != ';') {
        return false;
    }
    date = std::string_view(at, kDateLength);
    at += kDateLength + 1;
    // Whether a number has one digit or two is a coin toss from line to
    // line: it is taken without a branch on it. The first five numbers are
    // each followed by ";", the last by the end of the line.
    const auto digit = [](char c) {
        return static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'0'};
    };
    unsigned bad = 0;
    for (std::size_t i = 0; i + 1 < six.size(); ++i) {
        if (end - at < 3) {
            return false;
        }
        const unsigned tens = digit(at[0]);
        const unsigned ones = digit(at[1]);
        const auto two = static_cast<unsigned>(ones < 10);
        const unsigned value = tens * (1 + 9 * two) + ones * two;
        bad |= static_cast<unsigned>(tens > 9) | static_cast<unsigned>(value > kHighestNumber) |
               static_cast<unsigned>(at[1 + two] != ';');
        six[i] = static_cast<int>(value);
        at += 2 + two;
    }
    const std::ptrdiff_t last = end - at;
    if (last != 1 && last != 2) {
        return false;
    }
    const unsigned tens = digit(at[0]);
    const unsigned ones = digit(at[last - 1]);
    const unsigned value = last == 2 ? tens * 10 + ones : tens;
    bad |= static_cast<unsigned>(tens > 9) | static_cast<unsigned>(ones > 9) |
           static_cast<unsigned>(value > kHighestNumber);
    six.back() = static_cast<int>(value);
    return bad == 0;
}

}  // namespace

template <typename Lines>
ValidationVerdict ValidateResults(Lines& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary, CountedLines* counted) {
    using Kind = ValidationVerdict::Kind;
    // The date of the last counted line is kept in a few bytes of its own
    // (a line read a piece at a time does not outlive the next one) and
    // stored when the read ends.
    const std::size_t countedBefore = summary.readDrawCount;
    std::array<char, kDateLength> lastDateBytes{};
    std::string_view lastDate;
    const auto keepDate = [&](std::string_view date) {
        if (date.size() == kDateLength) {
            std::memcpy(lastDateBytes.data(), date.data(), kDateLength);
        } else if (!date.empty()) {
            std::memcpy(lastDateBytes.data(), date.data(), date.size());
        }
        lastDate = std::string_view(lastDateBytes.data(), date.size());
    };
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
        NumberSet six{};
        std::string_view date;
        if (ReadUsualLine(line, date, six)) {
            for (const int value : six) {
                summary.CountToken(value);
            }
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
            scanned.ForEachNumber([&](int value) {
                summary.CountToken(value);
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
        }
        keepDate(date);
        ++summary.readDrawCount;
        summary.AddDraw(six, resultsLineTotal);
        if (counted != nullptr) {
            counted->Counted(line, date, six);
        }
    }
    storeLastDate();
    summary.Finish();
    return {};
}

template ValidationVerdict ValidateResults(TextFileReader&, bool, std::size_t, DrawSummary&,
                                           CountedLines*);
template ValidationVerdict ValidateResults(TextFileStream&, bool, std::size_t, DrawSummary&,
                                           CountedLines*);

ValidationVerdict ValidateResultsFile(const std::filesystem::path& file, bool check,
                                      DrawSummary& summary, FileIdentity* readIdentity) {
    // The identity before the read: a change made after it gives the file
    // another identity, so the counts are never taken for a later state.
    FileIdentity before;
    const bool identified = FileIdentity::OfPath(file.c_str(), before);
    TextFileReader reader(file);
    ValidationVerdict verdict = ValidateResults(reader, check, reader.LineCount(), summary);
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
