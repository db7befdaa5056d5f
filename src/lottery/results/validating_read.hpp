#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "files/file_identity.hpp"
#include "files/text_reader.hpp"
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

// Told of every line the validating read counts, once its checks passed:
// the line, its date field and its first six numbers as they stand.
class CountedLines {
  public:
    virtual void Counted(std::string_view line, std::string_view date, const NumberSet& six) = 0;

  protected:
    ~CountedLines() = default;
};

// For a read that does not know beforehand how many lines the file has:
// the newest fifty draws are then put in their rows once it does.
inline constexpr std::size_t kLineTotalUnknown = static_cast<std::size_t>(-1);

// Goes through the results file once: checks each line (when check is on,
// stopping at the first damaged one) and feeds the summary, and counted
// when given. The summary is finished only when the read reaches the end of
// the file. A line too long for the reader's window (cut) is damaged: after
// the checks of what was read of it, it stops the check as a line whose
// fields cannot be cut.
// With SummaryScope::CountAndLastDate the summary gets only the count of
// draws and the last date, for a reader that shows nothing more.
enum class SummaryScope { Whole, CountAndLastDate };
ValidationVerdict ValidateResults(TextReader& lines, bool check, std::size_t resultsLineTotal,
                                  DrawSummary& summary, CountedLines* counted = nullptr,
                                  SummaryScope scope = SummaryScope::Whole);

// The start-up read of a results file on disk: the file is read once, a
// piece at a time, checked and summarised. When the read went through the whole
// file, `readIdentity` (if given) receives the identity the file had before
// it was read, so that its counts can stand for it while it is provably
// unchanged. Throws InOutError when it cannot be read.
ValidationVerdict ValidateResultsFile(const std::filesystem::path& file, bool check,
                                      DrawSummary& summary, FileIdentity* readIdentity = nullptr);

// The status-row text of a damage report, without the line.
const char* DamageReportText(ValidationVerdict::Kind kind);

}  // namespace kulko
