#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/text_reader.hpp"
#include "import/draw_input.hpp"

namespace kulko {

// One input of an import, its text as the line reader takes it.
struct InputSource {
    std::string name;  // as given: a path, "-" for standard input, an address
    TextReader lines;
};

// Where an input line stands, for the messages that name it: views into
// the source, which outlives them.
struct InputPlace {
    std::string_view source;
    std::size_t lineNumber = 0;  // 0: the input as a whole
    std::string_view content;
};

struct PlacedDraw {
    InputDraw draw;
    InputPlace place;
};

struct BadInput {
    InputPlace place;
    std::string reason;
};

// Appends the draws of one input to draws, in their order: blank lines
// are skipped, a header opening the input names the columns (or, naming
// none the tool knows, is passed over) and is passed over where it comes
// again. Then the dates "A/B/YYYY" are read in the one order that fits
// every one of them. Stops at the first line that is no sound draw, and
// refuses an input without any draw, dates that fit both orders, and draws
// dated after today.
std::optional<BadInput> ReadInputDraws(InputSource& source, DateKey today,
                                       std::vector<PlacedDraw>& draws);

}  // namespace kulko
