#include "results/results_listing.hpp"

#include "common/cp1250.hpp"
#include "common/text_file.hpp"

namespace kulko {

std::vector<std::string> ReadResultsListing(const std::filesystem::path& resultsFile) {
    TextFileReader reader(resultsFile);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        lines.push_back(Cp1250ToUtf8(line));
    }
    return lines;
}

}  // namespace kulko
