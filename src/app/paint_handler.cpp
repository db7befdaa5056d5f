// The window's paint handler: the frequency chart.
#include <exception>
#include <optional>

#include "app/tgenerator.hpp"
#include "files/work_files.hpp"
#include "stats/draw_log_counts.hpp"
#include "stats/frequency_chart.hpp"
#include "stats/number_counts.hpp"

namespace kulko {
namespace {

// The counts of one file, or nothing when it cannot be read. The paint runs
// on every expose, so a missing or unreadable file must neither fail it nor
// open an error box each time: that series is simply not drawn (an empty
// file, by contrast, counts zero everywhere and lies on the zero line).
template <typename Count>
std::optional<NumberCounts> CountsOrNothing(Count count) {
    try {
        return count();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

void Tgenerator::FormPaint(Canvas& canvas) {
    // Both files are counted anew on every paint, so the chart always shows
    // them as they are now (the renumbering, the user's editor, new draws).
    FrequencyChartData data;
    data.columns = HighestNumber;
    data.results = CountsOrNothing([&] { return CountResultsNumbers(File(kResultsFile)); });
    data.drawLog = CountsOrNothing([&] { return CountDrawLogNumbers(File(kDrawLog)); });
    DrawFrequencyChart(canvas, data);
}

}  // namespace kulko
