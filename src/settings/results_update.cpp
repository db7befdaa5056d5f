#include "settings/results_update.hpp"

#include "common/text_file.hpp"

namespace kulko {
namespace {

// Positions (0-based) of the date field inside a results line.
constexpr std::size_t kDateStart = 5;
constexpr std::size_t kDateLength = 10;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::string> DrawDateKey(std::string_view line) {
    if (line.size() < kDateStart + kDateLength) {
        return std::nullopt;
    }
    const std::string_view date = line.substr(kDateStart, kDateLength);
    // dd?mm?yyyy: every position but the two separators holds a digit.
    for (std::size_t i = 0; i < date.size(); ++i) {
        if (i != 2 && i != 5 && !IsDigit(date[i])) {
            return std::nullopt;
        }
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

std::optional<std::string> LastLineDateKey(const std::filesystem::path& file) {
    TextFileReader reader(file);
    std::string_view line;
    std::string_view last;
    bool any = false;
    while (reader.ReadLine(line)) {
        last = line;
        any = true;
    }
    if (!any) {
        return std::nullopt;
    }
    return DrawDateKey(last);
}

bool FetchedResultsAreNewer(const std::optional<std::string>& localKey,
                            const std::optional<std::string>& fetchedKey) {
    if (!fetchedKey) {
        return false;
    }
    // Keys hold digits and hyphens only, so std::string's comparison is the
    // byte order the dates need.
    return !localKey || *fetchedKey > *localKey;
}

}  // namespace kulko
