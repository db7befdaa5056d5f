#include "analyses/draw_history.hpp"

#include <algorithm>

#include "results/results_line.hpp"
#include "results/validating_read.hpp"
#include "text/cp1250.hpp"

namespace kulko {
namespace {

DrawHistory ReadFrom(TextReader& reader) {
    DrawHistory history;
    const std::size_t lineTotal = reader.CountLines();
    reader.Rewind();
    const ValidationVerdict verdict = ValidateResults(reader, true, lineTotal, history.summary);
    if (verdict.kind != ValidationVerdict::Kind::Sound) {
        history.damage = DamageReportText(verdict.kind) + Cp1250ToUtf8(verdict.line);
        return history;
    }
    reader.Rewind();
    std::string_view line;
    while (reader.ReadLine(line)) {
        history.draws.push_back(
            {HistoryDateKey(CutResultsLine(line).date), HistoryIndex::FirstSixNumbers(line)});
    }
    return history;
}

}  // namespace

DrawHistory ReadDrawHistory(const std::filesystem::path& resultsFile) {
    TextReader reader(resultsFile);
    return ReadFrom(reader);
}

DrawHistory DrawHistoryFromBytes(std::string bytes) {
    TextReader reader = TextReader::FromBytes(std::move(bytes));
    return ReadFrom(reader);
}

bool AsGameSet(const HistoryIndex::RecordNumbers& numbers, NumberSet& set) {
    std::copy(numbers.begin(), numbers.end(), set.begin());
    std::sort(set.begin(), set.end());
    if (!IsGameNumber(set.front()) || !IsGameNumber(set.back())) {
        return false;
    }
    return std::adjacent_find(set.begin(), set.end()) == set.end();
}

DrawRange DrawsBetween(const std::vector<PastDraw>& draws, DateKey from, DateKey to) {
    // The file is in the order of draws, so the dates rise along it.
    DrawRange range{0, draws.size()};
    while (from != 0 && range.first < range.last && draws[range.first].date < from) {
        ++range.first;
    }
    while (to != 0 && range.last > range.first && draws[range.last - 1].date > to) {
        --range.last;
    }
    return range;
}

}  // namespace kulko
