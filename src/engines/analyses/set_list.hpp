#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "game/number_set.hpp"

namespace kulko {

// Sets to test, with a note for every line that is not a set of six.
struct SetList {
    std::vector<NumberSet> sets;  // ascending
    std::vector<std::string> skipped;
};

// Six distinct numbers 1 to 49 from a typed or stored line, split as the
// memory file's check splits it; false when the line holds no such set.
bool ReadSet(std::string_view text, NumberSet& set);

// A set typed as "a;b;c;d;e;f".
SetList TypedSet(std::string_view text);

// Every line of a memory file, one set a line; a missing file holds no set.
// Throws InOutError when the file cannot be read.
SetList SetsOfFile(const std::filesystem::path& file);

}  // namespace kulko
