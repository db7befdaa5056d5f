#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "import/input_list.hpp"

namespace kulko {

// Why an import adds nothing, in words for the player; each names the
// input line it stops at. otherPlace is the input line of the other
// draw, or none when it is the history's.

std::string NumberConflictText(const PlacedDraw& incoming, DateKey otherDate,
                               const NumberSet& otherNumbers, const InputPlace* otherPlace);

std::string DateConflictText(const PlacedDraw& incoming, const NumberSet& otherNumbers,
                             const InputPlace* otherPlace);

// gaps: the missing numbers, as ranges first to last.
std::string MissingNumbersText(const PlacedDraw& afterGap,
                               const std::vector<std::pair<std::size_t, std::size_t>>& gaps,
                               std::size_t lastNumber);

// previous: the input's draw before it, or none when that is the history's last.
std::string OutOfOrderText(const PlacedDraw& incoming, const PlacedDraw* previous,
                           std::size_t lastNumber, DateKey previousDate);

// A number up to the history's last that no line of the history has.
std::string UnknownNumberText(const PlacedDraw& incoming);

std::string KnownUnderOtherNumberText(const PlacedDraw& incoming, std::size_t number);

// Draws without numbers after a base whose last number is not its highest.
std::string NumbersStepBackText(const PlacedDraw& unnumbered, std::size_t lastNumber,
                                std::size_t highestNumber);

// A draw without a number dated longer after the draw before it (the input's
// or the base's last) than any pause among the base's last `recent` draws.
std::string PauseTooLongText(const PlacedDraw& unnumbered, DateKey previousDate, long pause,
                             long longest, std::size_t recent);

std::string MixedNumberingText(const PlacedDraw& unnumbered, const PlacedDraw& numbered);

// "lista.txt, wiersz 3", or the input's name alone for the input as a whole.
std::string PlaceText(const InputPlace& place);

}  // namespace kulko
