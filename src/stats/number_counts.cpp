#include "stats/number_counts.hpp"

#include "files/text_file.hpp"
#include "results/results_line.hpp"

namespace kulko {

NumberCounts CountResultsNumbers(const std::filesystem::path& resultsFile) {
    NumberCounts counts{};
    TextFileReader reader(resultsFile);
    std::string_view line;
    while (reader.ReadLine(line)) {
        ForEachNumber(CutResultsLine(line).numbersPart, [&](int value) {
            if (IsGameNumber(value)) {
                ++counts[static_cast<std::size_t>(value - 1)];
            }
        });
    }
    return counts;
}

}  // namespace kulko
