#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kulko {

// Every line of the results file exactly as stored, without its line end,
// converted to UTF-8 for the list. Nothing is parsed or validated. Throws
// InOutError when the file cannot be read.
std::vector<std::string> ReadResultsListing(const std::filesystem::path& resultsFile);

}  // namespace kulko
