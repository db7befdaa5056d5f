#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "import/history_scan.hpp"
#include "import/input_list.hpp"

namespace kulko {

// A draw as it goes into the history.
struct NewDraw {
    std::size_t number = 0;
    DateKey dateKey = 0;
    NumberSet numbers{};
};

// What an import does to the history.
struct ImportPlan {
    std::vector<NewDraw> added;    // in the order they follow the history's last line
    bool numberedOn = false;       // the input gave no numbers: they follow the history's last
    std::size_t alreadyKnown = 0;  // in the history already, or given twice
    std::size_t olderUnknown = 0;  // dated before the history's last draw, on a day it lacks
    std::optional<std::string> refusal;  // why nothing at all is added
};

// The numbers and dates of the input's draws, for the read of the history.
HistoryQuestions QuestionsOf(const std::vector<PlacedDraw>& input);

// A draw that gives its number is that draw: it must match the history's
// draw of that number wherever the history has it (which it must, up to its last number), or
// follow the history's last number without a gap and in date order. A draw without a number is
// known by its date and numbers; the draws of one day that the history lacks are added after its
// last draw, numbered on from it, when they are dated after it (or on its day, giving the
// history's draws of that day too) and no pause before them is longer than any among the
// history's last draws; a day before it that the history lacks is left out. A day's draws may come
// in one run of lines (old days had two draws); the same day given elsewhere with other numbers is
// a conflict, as is a date the history holds with other numbers. Numbered and unnumbered new draws
// are not mixed.
ImportPlan PlanImport(const ScannedHistory& history, const std::vector<PlacedDraw>& input);

}  // namespace kulko
