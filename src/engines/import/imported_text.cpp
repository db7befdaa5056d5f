#include "import/imported_text.hpp"

#include "results/renumbering.hpp"

namespace kulko {

std::string HistoryLine(const NewDraw& draw) {
    return FourDigitNumber(draw.number) + ";" + DateText(draw.dateKey) + ";" +
           NumberSetText(draw.numbers);
}

std::string AddedLines(std::optional<char> lastByte, const std::vector<NewDraw>& added) {
    std::string lines;
    if (lastByte && *lastByte != '\n') {
        lines = *lastByte == '\r' ? "\n" : "\r\n";
    }
    for (const NewDraw& draw : added) {
        lines += HistoryLine(draw) + "\r\n";
    }
    return lines;
}

}  // namespace kulko
