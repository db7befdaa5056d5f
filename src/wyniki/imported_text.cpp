#include "wyniki/imported_text.hpp"

#include <algorithm>

#include "files/text_file.hpp"
#include "results/renumbering.hpp"

namespace kulko {

std::string HistoryLine(const NewDraw& draw) {
    return FourDigitNumber(draw.number) + ";" + DateText(draw.dateKey) + ";" +
           NumberSetText(draw.numbers);
}

std::size_t InsertionPoint(std::string_view history) {
    return std::min(history.find(kCtrlZ), history.size());
}

std::string AddedLines(std::string_view history, const std::vector<NewDraw>& added) {
    const std::size_t end = InsertionPoint(history);
    std::string lines;
    if (end > 0 && history[end - 1] != '\n') {
        lines = history[end - 1] == '\r' ? "\n" : "\r\n";
    }
    for (const NewDraw& draw : added) {
        lines += HistoryLine(draw) + "\r\n";
    }
    return lines;
}

}  // namespace kulko
