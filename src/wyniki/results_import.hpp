#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "files/file_identity.hpp"
#include "files/text_file.hpp"
#include "results/draw_summary.hpp"
#include "results/validating_read.hpp"
#include "wyniki/draw_input.hpp"

namespace kulko {

// Where an input line stands, for the messages that name it.
struct InputPlace {
    std::string source;  // the file name as given, or "-" for standard input
    std::size_t lineNumber = 0;
    std::string content;  // the line as read
};

struct PlacedDraw {
    InputDraw draw;
    InputPlace place;
};

struct BadInputLine {
    InputPlace place;
    InputLineFault fault;
};

// Appends the draws of one results list to draws, in their order. Blank
// lines are skipped, and so is a header as the first line. Stops at the
// first line that is no sound draw and returns it.
std::optional<BadInputLine> ReadInputDraws(TextFileReader& reader, const std::string& source,
                                           std::vector<PlacedDraw>& draws);

// The results file read once through the program's validating read (with
// the check on); when it is sound, its draws are kept for the import. Its
// bytes are kept for publishing and for the import to add to.
struct CheckedHistory {
    ValidationVerdict verdict;
    DrawSummary summary;
    std::string bytes;
    std::multimap<DateKey, NumberSet> draws;  // the first six numbers of each line, ascending
    DateKey lastDate = 0;                     // of the last line; 0 for an empty file
    std::size_t lastNumber = 0;               // the last line's draw number
    FileIdentity identity;                    // of the file as read
};

// Throws InOutError when the file cannot be read.
CheckedHistory ReadCheckedHistory(const std::filesystem::path& resultsFile);

// Two draws of one date with different numbers.
struct DrawConflict {
    PlacedDraw incoming;
    NumberSet other{};
    std::optional<InputPlace> otherPlace;  // none when the other draw is in the history
};

// What an import does to the history.
struct ImportPlan {
    std::vector<InputDraw> added;          // dated after the history's last draw, in date order
    std::size_t alreadyKnown = 0;          // the same date and numbers are there already
    std::size_t olderUnknown = 0;          // dated before the last draw, but not in the history
    std::optional<DrawConflict> conflict;  // when set, nothing is to be added
};

ImportPlan PlanImport(const CheckedHistory& history, const std::vector<PlacedDraw>& input);

// The whole results file after the import: the history's bytes as they
// were, with the added draws numbered on from its last draw number (lines
// ended by CR LF) after its last line.
std::string ImportedText(const CheckedHistory& history, const std::vector<InputDraw>& added);

}  // namespace kulko
