#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kulko {

// The key that orders two results files by their newest draw: the date field
// at characters 6 to 15 of a line (the date after a four-character draw
// number), rearranged as "yyyy-mm-dd" so that comparing keys byte by byte is
// comparing dates. The separators of the file are not used, so "01.02.2010"
// and "01-02-2010" give the same key.
//
// A line shorter than 15 characters forms no key, and neither does a field
// whose eight digit positions are not all digits: such a line is no draw, and
// letters would otherwise sort after every real date.
std::optional<std::string> DrawDateKey(std::string_view line);

// The key of the last line of a text file; none for a file without lines.
// Throws InOutError when the file cannot be read ("File not found").
std::optional<std::string> LastLineDateKey(const std::filesystem::path& file);

// Whether the fetched file is to replace the local one: only a fetched file
// with a key, and only when the local file has none or an earlier one.
bool FetchedResultsAreNewer(const std::optional<std::string>& localKey,
                            const std::optional<std::string>& fetchedKey);

}  // namespace kulko
