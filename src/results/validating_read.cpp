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

}  // namespace

ValidationVerdict ValidateResults(TextFileReader& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary, CountedLines* counted) {
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
        const ScannedLine scanned(line);
        if (check && scanned.HasMoreSemicolonsThan(7)) {
            return stop(Kind::SemicolonError, line);
        }
        const std::string_view date = scanned.Date();
        if (check && !IsDateWellFormed(date)) {
            return stop(Kind::DateError, line);
        }
        lastDate = date;
        ++summary.readDrawCount;

        NumberSet six{};
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
            return stop(Kind::RangeError, line);
        }
        summary.AddDraw(six, resultsLineTotal);
        if (counted != nullptr) {
            counted->Counted(line, date, six);
        }
    }
    storeLastDate();
    summary.Finish();
    return {};
}

ValidationVerdict ValidateResultsFile(const std::filesystem::path& file, bool check,
                                      DrawSummary& summary) {
    TextFileReader reader(file);
    return ValidateResults(reader, check, reader.LineCount(), summary);
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
