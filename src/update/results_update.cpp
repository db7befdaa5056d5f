#include "update/results_update.hpp"

#include "files/text_file.hpp"
#include "results/draw_summary.hpp"
#include "results/validating_read.hpp"

namespace kulko {
namespace {

// Positions (0-based) of the date field inside a results line.
constexpr std::size_t kDateStart = 5;
constexpr std::size_t kDateLength = 10;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// dd?mm?yyyy: every position but the two separators holds a digit.
bool HoldsDigits(std::string_view date) {
    for (std::size_t i = 0; i < date.size(); ++i) {
        if (i != 2 && i != 5 && !IsDigit(date[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> DrawDateKey(std::string_view line, DateKeySource source) {
    if (line.size() < kDateStart + kDateLength) {
        return std::nullopt;
    }
    const std::string_view date = line.substr(kDateStart, kDateLength);
    if (source == DateKeySource::Fetched && !HoldsDigits(date)) {
        return std::nullopt;
    }
    std::string key;
    key.reserve(kDateLength);
    key.append(date.substr(6, 4));
    key += '-';
    key.append(date.substr(3, 2));
    key += '-';
    key.append(date.substr(0, 2));
    return key;
}

std::optional<std::string> LastDateKey(const std::filesystem::path& file, DateKeySource source) {
    TextFileReader reader(file);
    std::string_view line;
    std::string_view last;
    bool any = false;
    while (reader.ReadLine(line)) {
        if (line.size() >= kDateStart + kDateLength) {
            last = line;
            any = true;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    return DrawDateKey(last, source);
}

bool FetchedResultsAreNewer(const std::optional<std::string>& localKey,
                            const std::optional<std::string>& fetchedKey) {
    if (!fetchedKey) {
        return false;
    }
    // std::string compares its characters as unsigned bytes: for keys of
    // digits this is date order, and any other byte of a local key sorts as
    // its value says.
    return !localKey || *fetchedKey > *localKey;
}

bool ResultsFileIsSound(const std::filesystem::path& file) {
    // Only the verdict counts; the summary of this read is thrown away.
    DrawSummary scratch;
    return ValidateResultsFile(file, true, scratch).verdict.kind == ValidationVerdict::Kind::Sound;
}

}  // namespace kulko
