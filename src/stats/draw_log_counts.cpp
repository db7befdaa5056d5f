#include "stats/draw_log_counts.hpp"

#include "common/text_file.hpp"
#include "results/results_line.hpp"

namespace kulko {

NumberCounts CountDrawLogNumbers(const std::filesystem::path& drawLogFile) {
    NumberCounts counts{};
    TextFileReader reader(drawLogFile);
    std::string_view line;
    while (reader.ReadLine(line)) {
        // A draw log line has no draw number or date: the whole line is
        // the numbers part.
        ForEachNumber(line, [&](int value) {
            if (IsGameNumber(value)) {
                ++counts[static_cast<std::size_t>(value - 1)];
            }
        });
    }
    return counts;
}

}  // namespace kulko
