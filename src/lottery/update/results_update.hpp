#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "results/date_key.hpp"

namespace kulko {

// Which file a date key comes from; the two follow different rules.
enum class DateKeySource {
    // The user's own history: whatever stands at the date's fixed positions
    // is ranked against a fetched date byte by byte.
    Local,
    // A download: the eight date positions must all hold digits, so that
    // no page of text (an error page, a notice) can ever count as newer.
    Fetched,
};

// The key that orders two results files by their newest draw, from the date
// field at characters 6 to 15 of a line (the date after a four-character
// draw number). The separators of the file are not used, so "01.02.2010" and
// "01-02-2010" give the same key. A line shorter than 15 characters forms no
// key, nor does a fetched line with a non-digit in the date.
//
// A local date with a non-digit gets the key that ranks it against every
// date of digits as its bytes, read year, month, day, would rank: its digits
// before the first non-digit, then all nines when that byte sorts after "9"
// (a letter), or one less than that prefix followed by zeros when it sorts
// before "0" (a blank). So "06.12.2O26" keys as 29999999: later than every
// date of the years 2000 to 2999, earlier than any of the year 3000.
std::optional<DateKey> DrawDateKey(std::string_view line, DateKeySource source);

// The key of the last line of a text file long enough to hold one, so that
// a trailing empty or short line does not hide the last draw; none for a
// file without such a line. Throws InOutError when the file cannot be read
// ("File not found").
std::optional<DateKey> LastDateKey(const std::filesystem::path& file, DateKeySource source);

// Whether the fetched file is to replace the local one: only a fetched file
// with a key, and only when the local file has none or an earlier one.
bool FetchedResultsAreNewer(const std::optional<DateKey>& localKey,
                            const std::optional<DateKey>& fetchedKey);

// Whether every line of a results file passes the checks of the start-up
// read with the check on (semicolons, dates, number ranges). Throws
// InOutError when the file cannot be read.
bool ResultsFileIsSound(const std::filesystem::path& file);

}  // namespace kulko
