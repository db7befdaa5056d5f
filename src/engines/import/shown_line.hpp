#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kulko {

// How much of an input line a message shows.
inline constexpr std::size_t kShownCharacters = 80;

// A line of someone else's file as a message shows it on a terminal: at
// most kShownCharacters characters (then "…"), with control characters (a
// tab aside) and
// bytes that are no UTF-8 written as "\xNN", so that nothing in the line
// can move the cursor, change colours or retitle the window.
std::string ShownLine(std::string_view line);

}  // namespace kulko
