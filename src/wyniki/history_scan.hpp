#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "game/number_set.hpp"
#include "results/date_key.hpp"
#include "results/draw_summary.hpp"
#include "results/validating_read.hpp"

namespace kulko {

// What an import asks of the history about its draws: the draw numbers and
// the dates they give, each sorted.
struct HistoryQuestions {
    std::vector<std::size_t> numbers;
    std::vector<DateKey> dates;
};

// A draw of the history that an import asked about.
struct HistoryDraw {
    std::size_t number = 0;  // the line's draw number when it is a plain number, else 0
    DateKey dateKey = 0;
    NumberSet numbers{};  // the first six, ascending
};

// The results file after one read of it by the program's validating read
// (with the check on): what the tool prints, publishes and imports into.
struct ScannedHistory {
    ValidationVerdict verdict;
    DrawSummary summary;
    std::string bytes;           // every byte as read, the only copy held
    DateKey lastDate = 0;        // of the last line; 0 for an empty file
    std::size_t lastNumber = 0;  // of the last line, or the line count where it is no plain number
    std::vector<HistoryDraw> asked;  // the draws with a number or a date asked about, in file order
};

// Reads the results file once. The draws asked about are kept only when
// the file is sound. Throws InOutError when the file cannot be read.
ScannedHistory ScanHistory(const std::filesystem::path& resultsFile,
                           const HistoryQuestions& questions = {});

}  // namespace kulko
