#include "analyses/draw_history.hpp"

#include <algorithm>

#include "results/results_line.hpp"
#include "results/validating_read.hpp"
#include "text/cp1250.hpp"

namespace kulko {
namespace {

// Each line the validating read counts, kept as the analyses see it.
class PastDraws final : public CountedLines {
  public:
    explicit PastDraws(std::vector<PastDraw>& draws) : draws_(draws) {}
    void Counted(std::string_view line, std::string_view, const NumberSet&) override {
        draws_.push_back(
            {HistoryDateKey(CutResultsLine(line).date), HistoryIndex::FirstSixNumbers(line)});
    }

  private:
    std::vector<PastDraw>& draws_;
};

// One pass through the file, as the start-up read makes it: the check, the
// summary and the draws together. A damaged file keeps none of the draws
// read before its damage.
DrawHistory ReadFrom(TextReader& reader) {
    DrawHistory history;
    PastDraws draws(history.draws);
    const ValidationVerdict verdict =
        ValidateResults(reader, true, kLineTotalUnknown, history.summary, &draws);
    if (verdict.kind != ValidationVerdict::Kind::Sound) {
        history.draws.clear();
        history.damage = DamageReportText(verdict.kind) + Cp1250ToUtf8(verdict.line);
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
