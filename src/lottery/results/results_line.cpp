#include "results/results_line.hpp"

namespace kulko {

ResultsLineFields CutResultsLine(std::string_view line) {
    ResultsLineFields fields;
    const std::size_t first = FindSemicolon(line);
    if (first == std::string_view::npos) {
        fields.drawNumber = line;
        fields.numbersPart = line;
        return fields;
    }
    fields.drawNumber = line.substr(0, first);
    fields.date = line.substr(first + 1, kDateLength);
    const std::size_t second = FindSemicolon(line, first + 1);
    fields.numbersPart =
        second == std::string_view::npos ? line.substr(first + 1) : line.substr(second + 1);
    return fields;
}

}  // namespace kulko
