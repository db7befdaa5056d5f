#include "results/validating_read.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "files/line_blocks.hpp"
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

// The start-up read as it goes through the text: the checks, the counts and
// the per-draw statistics line by line, and the newest fifty draws kept aside
// until the read knows how many lines the file holds.
class StartupRead {
  public:
    StartupRead(bool check, DrawSummary& summary) : check_(check), summary_(summary) {}

    // Reads the lines of `text` (whole lines, the Ctrl-Z cut off); false when
    // a damaged line stopped the read, and `rest` is then what follows it.
    bool ReadText(std::string_view text, std::string_view& rest) {
        std::size_t at = 0;
        UsualResultsLine usual{};
        bool read = true;
        const std::size_t countedBefore = summary_.readDrawCount;
        while (read && at < text.size()) {
            ++lines_;
            if (ScanUsualResultsLine(text.data(), text.size(), at, usual)) {
                read = ReadUsualLine(text.substr(at), usual);
                at += usual.next;
            } else {
                std::string_view after = text.substr(at);
                read = ReadLine(TakeLine(after));
                at = text.size() - after.size();
            }
        }
        summary_.Add(bitCounts_);
        bitCounts_ = {};
        // The date of the last counted line outlives the text it stands in.
        if (summary_.readDrawCount != countedBefore) {
            summary_.lastDate.assign(lastDate_);
        }
        lastDate_ = {};
        rest = text.substr(at);
        return read;
    }

    // The lines read so far, a stopping damaged line included.
    std::size_t Lines() const { return lines_; }
    ValidationVerdict TakeVerdict() { return std::move(verdict_); }

    // The newest fifty draws into their rows, for a file of `lineTotal`
    // lines; the maximum and minimum when the read reached the end.
    void Finish(std::size_t lineTotal) {
        for (const Recent& recent : recent_) {
            if (recent.count > 0) {
                summary_.PlaceRecentDraw(recent.six, recent.count, lineTotal);
            }
        }
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            summary_.numberFrequency[static_cast<std::size_t>(n - 1)] +=
                usualCounts_[static_cast<std::size_t>(n)];
        }
        usualCounts_ = {};
        if (verdict_.kind == ValidationVerdict::Kind::Sound) {
            summary_.Finish();
        }
    }

  private:
    struct Recent {
        std::size_t count = 0;
        NumberSet six{};
    };

    bool ReadUsualLine(std::string_view line, const UsualResultsLine& usual) {
        // Seven semicolons and a well-formed date: counted.
        lastDate_ = line.substr(usual.dateAt, kDateLength);
        ++summary_.readDrawCount;
        NumberBits numbers = 0;
        NumberBits repeated = 0;
        std::int32_t largest = 0;
        int odd = 0;
        int low = 0;
        NumberSet six{};
        for (std::size_t i = 0; i < six.size(); ++i) {
            const std::int32_t value = usual.numbers[i];
            ++usualCounts_[static_cast<std::size_t>(value)];
            largest = std::max(largest, value);
            const NumberBits bit = NumberBits{1} << (value & 63);
            repeated |= numbers & bit;
            numbers |= bit;
            odd += value & 1;
            low += value < kFirstHighNumber ? 1 : 0;
            six[i] = value;
        }
        if (check_ && largest > kHighestNumber) {
            verdict_ = Damage(ValidationVerdict::Kind::RangeError, TakeLine(line));
            return false;
        }
        // Six different numbers 1 to 49 are read from their bits.
        if (largest <= kHighestNumber && (numbers & 1u) == 0 && repeated == 0) {
            bitCounts_.Add(numbers, odd, low);
        } else {
            summary_.AddDraw(six);
        }
        KeepRecent(six);
        return true;
    }

    bool ReadLine(std::string_view line) {
        using Kind = ValidationVerdict::Kind;
        const ScannedLine scanned(line);
        if (check_ && scanned.HasMoreSemicolonsThan(7)) {
            verdict_ = Damage(Kind::SemicolonError, line);
            return false;
        }
        const std::string_view date = scanned.Date();
        if (check_ && !IsDateWellFormed(date)) {
            verdict_ = Damage(Kind::DateError, line);
            return false;
        }
        lastDate_ = date;
        ++summary_.readDrawCount;

        NumberSet six{};
        std::size_t index = 0;
        bool rangeError = false;
        scanned.ForEachNumber([&](int value) {
            summary_.CountToken(value);
            rangeError = rangeError || value > kHighestNumber;
            if (index < six.size()) {
                six[index++] = value;
            }
        });
        if (check_ && rangeError) {
            verdict_ = Damage(Kind::RangeError, line);
            return false;
        }
        summary_.AddDraw(six);
        KeepRecent(six);
        return true;
    }

    void KeepRecent(const NumberSet& six) {
        recent_[nextRecent_] = {summary_.readDrawCount, six};
        nextRecent_ = nextRecent_ + 1 == recent_.size() ? 0 : nextRecent_ + 1;
    }

    bool check_;
    DrawSummary& summary_;
    std::size_t lines_ = 0;
    std::string_view lastDate_;
    std::array<int, 100> usualCounts_{};
    std::array<Recent, kRecentDrawRows> recent_{};
    std::size_t nextRecent_ = 0;
    DrawBitCounts bitCounts_;
    ValidationVerdict verdict_;
};

}  // namespace

ValidationVerdict ValidateResults(TextFileReader& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary) {
    StartupRead read(check, summary);
    std::string_view rest;
    read.ReadText(reader.Rest(), rest);
    read.Finish(resultsLineTotal);
    return read.TakeVerdict();
}

ValidationVerdict ValidateResultsFile(const std::filesystem::path& file, bool check,
                                      DrawSummary& summary, FileIdentity* readIdentity) {
    const ReadOnlyFile opened(file);
    const FileIdentity& identity = opened.OpenedIdentity();
    LineBlocks blocks(opened.Fd());
    StartupRead read(check, summary);
    std::size_t lineTotal = 0;
    std::string_view piece;
    std::string_view rest;
    bool whole = true;
    while (blocks.Next(piece)) {
        if (whole && !read.ReadText(piece, rest)) {
            // Stopped at a damaged line: the lines after it are only counted,
            // which tells the newest fifty rows where the file ends.
            whole = false;
            lineTotal = read.Lines() + CountTextLines(rest);
        } else if (!whole) {
            lineTotal += CountTextLines(piece);
        }
    }
    read.Finish(whole ? read.Lines() : lineTotal);
    if (whole && readIdentity != nullptr) {
        *readIdentity = identity;
    }
    return read.TakeVerdict();
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
