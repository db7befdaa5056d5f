#pragma once

#include <string>
#include <string_view>

#include "wheels/ticket.hpp"

namespace kulko {

// The player's numbers as typed: numbers and ranges separated by ";" (or
// "," or blanks), as in "1;5;7-12;40". A number given twice counts once.
struct NumberChoice {
    NumberBits numbers = 0;  // bits 1 to 49
    std::string error;       // empty when the text reads; otherwise why not, in Polish
};

NumberChoice ParseNumberChoice(std::string_view text);

// The numbers in the shortest form the parser reads back: ascending, runs
// of three or more as a range ("1;5;7-12;40"); empty for none.
std::string NumberChoiceText(NumberBits numbers);

}  // namespace kulko
