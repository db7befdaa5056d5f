#include "stats/frequency_view.hpp"

namespace kulko {

std::vector<std::string> FrequencyLines(const NumberCounts& counts) {
    std::vector<std::string> lines;
    lines.reserve(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        lines.push_back("Liczba " + std::to_string(i + 1) + "   wypadała " +
                        std::to_string(counts[i]) + " razy");
    }
    return lines;
}

}  // namespace kulko
