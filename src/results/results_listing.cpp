#include "results/results_listing.hpp"

#include <algorithm>

#include "text/cp1250.hpp"
#include "files/text_file.hpp"

namespace kulko {
namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::vector<std::string> ReadResultsListing(const std::filesystem::path& resultsFile) {
    TextFileReader reader(resultsFile);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        // Results lines are plain ASCII as a rule; those need no conversion,
        // which keeps a million-line file quick to list.
        lines.push_back(IsAscii(line) ? std::string(line) : Cp1250ToUtf8(line));
    }
    return lines;
}

}  // namespace kulko
