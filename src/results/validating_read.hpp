#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "files/file_identity.hpp"
#include "files/text_file.hpp"
#include "results/draw_summary.hpp"

namespace kulko {

// What the start-up read of the results file found.
struct ValidationVerdict {
    enum class Kind { Sound, SemicolonError, DateError, RangeError };
    Kind kind = Kind::Sound;
    // The offending line as read (Windows-1250); of a line longer than
    // kShownLineLength only its beginning, which is all a status row can show.
    std::string line;
};

inline constexpr std::size_t kShownLineLength = 4096;

// Goes through the results file once: checks each line (when check is on,
// stopping at the first damaged one) and feeds the summary. The summary is
// finished only when the read reaches the end of the file.
ValidationVerdict ValidateResults(TextFileReader& reader, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary);

// The start-up read of a results file on disk, in one pass over it with one
// buffer: every line checked and summarised, the newest fifty draws put in
// their rows once the end of the file is known. When the read went through
// the whole file, `readIdentity` (if given) receives the identity of the file
// it read. Throws InOutError when the file cannot be read.
ValidationVerdict ValidateResultsFile(const std::filesystem::path& file, bool check,
                                      DrawSummary& summary, FileIdentity* readIdentity = nullptr);

// The status-row text of a damage report, without the line.
const char* DamageReportText(ValidationVerdict::Kind kind);

}  // namespace kulko
