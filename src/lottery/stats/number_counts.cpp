#include "stats/number_counts.hpp"

#include "files/read_only_file.hpp"
#include "files/text_reader.hpp"
#include "results/results_line.hpp"

namespace kulko {

void NumberTally::Add(const NumberTally& other) {
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] += other.counts_[i];
    }
}

NumberCounts NumberTally::Counts() const {
    NumberCounts counts{};
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        counts[static_cast<std::size_t>(n - 1)] = counts_[static_cast<std::size_t>(n)];
    }
    return counts;
}

void TallyResultsText(std::string_view text, NumberTally& tally) {
    std::size_t at = 0;
    UsualResultsLine usual{};
    while (at < text.size()) {
        if (ScanUsualResultsLine(text.data(), text.size(), at, usual)) {
            for (std::int32_t value : usual.numbers) {
                tally.AddUsual(value);
            }
            at += usual.next;
            continue;
        }
        std::string_view rest = text.substr(at);
        const std::string_view line = TakeLine(rest);
        ForEachNumber(CutResultsLine(line).numbersPart, [&](int value) { tally.Add(value); });
        at = text.size() - rest.size();
    }
}

NumberTally TallyFile(int fd, TextTally tallyText, std::uint64_t end) {
    TextReader reader(fd, 0, end);
    NumberTally tally;
    std::string_view piece;
    while (reader.NextPiece(piece)) {
        tallyText(piece, tally);
    }
    return tally;
}

NumberCounts CountResultsNumbers(const std::filesystem::path& resultsFile) {
    const ReadOnlyFile file(resultsFile);
    return TallyFile(file.Fd(), TallyResultsText).Counts();
}

}  // namespace kulko
