// The window's paint handler: the frequency chart.
#include <exception>
#include <optional>
#include <string>

#include "app/tgenerator.hpp"
#include "files/work_files.hpp"
#include "stats/frequency_chart.hpp"

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

// The path of a file of the working directory as plain text, as `dir / name`
// names it: the paint, which runs at every expose, spares itself taking the
// path apart into its components.
std::string PathText(const std::filesystem::path& dir, const char* name) {
    std::string text = dir.native();
    if (!text.empty() && text.back() != '/') {
        text += '/';
    }
    return text += name;
}

}  // namespace

void Tgenerator::FormPaint(Canvas& canvas, bool chartShown) {
    // A paint of another part of the window (the clock's label every
    // second) shows nothing of the chart and reads nothing.
    if (!chartShown) {
        return;
    }
    // Both files are looked at on every paint, so the chart always shows
    // them as they are now (the renumbering, the user's editor, new draws);
    // what was counted before is reused only while a file is provably
    // unchanged, and of a draw log that grew only the new lines are read.
    if (resultsPathText_.empty()) {
        resultsPathText_ = PathText(workDir_, kResultsFile);
        drawLogPathText_ = PathText(workDir_, kDrawLog);
    }
    FrequencyChartData data;
    data.columns = HighestNumber;
    data.results = CountsOrNothing([&] { return resultsCounts_.Count(resultsPathText_.c_str()); });
    data.drawLog = CountsOrNothing([&] { return drawLogCounts_.Count(drawLogPathText_.c_str()); });
    chart_.Draw(canvas, data);
}

}  // namespace kulko
