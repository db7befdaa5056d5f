#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/file_identity.hpp"
#include "files/file_ops.hpp"
#include "files/text_reader.hpp"
#include "game/number_set.hpp"
#include "results/date_key.hpp"
#include "results/draw_summary.hpp"
#include "results/validating_read.hpp"

namespace kulko {

// What a command asks of the history: about the draws an import gives, the
// draw numbers and the dates, each sorted; and whether it shows the
// statistics of the draws or only their count and the last date.
struct HistoryQuestions {
    std::vector<std::size_t> numbers;
    std::vector<DateKey> dates;
    SummaryScope scope = SummaryScope::Whole;
};

// A draw of the history that an import asked about.
struct HistoryDraw {
    std::size_t number = 0;  // the line's draw number when it is a plain number, else 0
    DateKey dateKey = 0;
    NumberSet numbers{};  // the first six, ascending
};

// The results file after one read of it by the program's validating read
// (with the check on), a piece at a time: the file is never held in memory,
// only kept open, so that what is published or imported is copied from it.
struct ScannedHistory {
    ValidationVerdict verdict;
    DrawSummary summary;         // as far as the questions' scope; never the newest fifty draws
    DateKey lastDate = 0;        // of the last line; 0 for an empty file
    std::size_t lastNumber = 0;  // of the last line, or the line count where it is no plain number
    std::size_t highestNumber = 0;     // of all lines' plain draw numbers (with questions asked)
    std::vector<DateKey> recentDates;  // of the last lines, oldest first (with questions asked)
    std::vector<HistoryDraw> asked;  // the draws with a number or a date asked about, in file order
    std::unique_ptr<TextReader> file;  // open on what was read
    std::uint64_t linesEnd = 0;        // where its lines end: before a Ctrl-Z, or at its end
    std::string tail;                  // the Ctrl-Z and what follows it, if any
    std::optional<char> lastByte;      // the byte before linesEnd; none for an empty file
    FileIdentity identity;             // of the file as read, taken before the read

    // The lines as a stretch of the open file, up to their end.
    FileStretch Lines() const { return {file->Descriptor(), 0, linesEnd}; }
    // The whole file.
    FileStretch Whole() const { return {file->Descriptor(), 0, linesEnd + tail.size()}; }
};

// Reads the results file once. The draws asked about are kept only when
// the file is sound. Throws InOutError when the file cannot be read.
ScannedHistory ScanHistory(const std::filesystem::path& resultsFile,
                           const HistoryQuestions& questions = {});

}  // namespace kulko
