#include "update/results_update.hpp"

#include <string>

#include "files/text_file.hpp"
#include "results/draw_summary.hpp"
#include "results/results_line.hpp"
#include "results/validating_read.hpp"
#include "text/digits.hpp"

namespace kulko {
namespace {

// Where the date field "dd?mm?yyyy" stands inside a results line (0-based).
constexpr std::size_t kDateStart = 5;

// The eight digit places of a date field in the order that ranks dates:
// year, month, day.
std::string YearMonthDay(std::string_view date) {
    std::string places(date.substr(6, 4));
    places.append(date.substr(3, 2)).append(date.substr(0, 2));
    return places;
}

// The key of a local date whose first non-digit follows the digits of
// prefix, with `remaining` places after it, ranked as its bytes would be.
DateKey RankingKey(DateKey prefix, std::size_t remaining, bool sortsBeforeDigits) {
    for (; remaining > 0; --remaining) {
        prefix = prefix * 10 + (sortsBeforeDigits ? 0 : 9);
    }
    return sortsBeforeDigits ? prefix - 1 : prefix;
}

}  // namespace

std::optional<DateKey> DrawDateKey(std::string_view line, DateKeySource source) {
    if (line.size() < kDateStart + kDateLength) {
        return std::nullopt;
    }
    const std::string places = YearMonthDay(line.substr(kDateStart, kDateLength));
    DateKey key = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const char c = places[i];
        if (!IsDigit(c)) {
            if (source == DateKeySource::Fetched) {
                return std::nullopt;
            }
            // Bytes compare unsigned: a byte from 128 up sorts after "9".
            return RankingKey(key, places.size() - i, static_cast<unsigned char>(c) < '0');
        }
        key = key * 10 + (c - '0');
    }
    return key;
}

std::optional<DateKey> LastDateKey(const std::filesystem::path& file, DateKeySource source) {
    TextReader reader(file);
    std::string_view line;
    std::string last;  // a line read lasts only until the next
    bool any = false;
    while (reader.ReadLine(line)) {
        if (line.size() >= kDateStart + kDateLength) {
            last.assign(line);
            any = true;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    return DrawDateKey(last, source);
}

bool FetchedResultsAreNewer(const std::optional<DateKey>& localKey,
                            const std::optional<DateKey>& fetchedKey) {
    return fetchedKey && (!localKey || *fetchedKey > *localKey);
}

bool ResultsFileIsSound(const std::filesystem::path& file) {
    // Only the verdict counts; the summary of this read is thrown away.
    DrawSummary scratch;
    return ValidateResultsFile(file, true, scratch).kind == ValidationVerdict::Kind::Sound;
}

}  // namespace kulko
