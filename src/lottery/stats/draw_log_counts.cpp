#include "stats/draw_log_counts.hpp"

#include "files/read_only_file.hpp"
#include "files/text_reader.hpp"
#include "results/results_line.hpp"
#include "text/usual_numbers.hpp"

namespace kulko {

// The draw log grows by a line for every set shown, so its usual lines (six
// numbers of one or two digits) are read at a glance; any other line is cut
// field by field by the general rule. An empty field converts to 0 and is
// never counted.
void TallyDrawLogText(std::string_view text, NumberTally& tally) {
    std::size_t at = 0;
    std::int32_t values[kNumbersPerDraw];
    while (at < text.size()) {
        std::size_t next = 0;
        const int count = ScanUsualTokens(UsualLineView(text.data(), text.size(), at), 0, values,
                                          kNumbersPerDraw, next);
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                tally.AddUsual(values[i]);
            }
            at += next;
            continue;
        }
        std::string_view rest = text.substr(at);
        ForEachNumber(TakeLine(rest), [&](int value) { tally.Add(value); });
        at = text.size() - rest.size();
    }
}

NumberCounts CountDrawLogNumbers(const std::filesystem::path& drawLogFile) {
    const ReadOnlyFile file(drawLogFile);
    return TallyFile(file.Fd(), TallyDrawLogText).Counts();
}

}  // namespace kulko
