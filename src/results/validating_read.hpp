#pragma once

#include <string>

#include "common/text_file.hpp"
#include "results/draw_summary.hpp"

namespace kulko {

// What the start-up read of the results file found.
struct ValidationVerdict {
    enum class Kind { Sound, SemicolonError, DateError, RangeError };
    Kind kind = Kind::Sound;
    std::string line;  // the offending line as read (Windows-1250)
};

// Goes through the results file once: checks each line (when check is on,
// stopping at the first damaged one) and feeds the summary. The summary is
// finished only when the read reaches the end of the file.
ValidationVerdict ValidateResults(TextFileReader& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary);

// The status-row text of a damage report, without the line.
const char* DamageReportText(ValidationVerdict::Kind kind);

}  // namespace kulko
