#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "generator/history_index.hpp"
#include "results/date_key.hpp"
#include "results/draw_summary.hpp"

namespace kulko {

// One line of the results file as the analyses see it.
struct PastDraw {
    DateKey date = 0;
    HistoryIndex::RecordNumbers numbers{};  // the first six tokens, 0 for missing ones
};

// The results file read for the analyses in one pass of the program's own
// validating read, exactly as at start-up, which hands over each line it
// counts.
struct DrawHistory {
    std::vector<PastDraw> draws;  // oldest first, as in the file
    DrawSummary summary;          // what the start-up read gathered
    // The start-up's damage report ("Wykryto błąd ... w wierszu <line>", in
    // UTF-8) when the file is damaged; then no draw is kept and no analysis
    // may run.
    std::string damage;
};

// Throws InOutError when the file cannot be read.
DrawHistory ReadDrawHistory(const std::filesystem::path& resultsFile);
// The same from the bytes of a results file.
DrawHistory DrawHistoryFromBytes(std::string bytes);

// Six distinct numbers 1 to 49, sorted, when the record holds such a draw.
bool AsGameSet(const HistoryIndex::RecordNumbers& numbers, NumberSet& set);

// The draws dated from `from` to `to` (both included; 0 leaves an end open),
// as a range of indexes [first, last).
struct DrawRange {
    std::size_t first = 0;
    std::size_t last = 0;
};
DrawRange DrawsBetween(const std::vector<PastDraw>& draws, DateKey from, DateKey to);

}  // namespace kulko
