#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kulko {

// The draw number as written by the renumbering: at least four digits,
// padded on the left with "0" (1 gives "0001", 12345 stays "12345").
std::string FourDigitNumber(std::size_t number);

// The whole renumbered file: each line's text before its first ";" becomes
// the next number, counted from 1. A line without any ";" has no number
// field and takes no number. Every other byte stays as it was: the rest of
// each line, its line end, what follows a lone CR, and everything from the
// first Ctrl-Z on.
std::string RenumberedText(std::string resultsBytes);

// Rewrites the draw numbers of the results file through the scratch file,
// under the lock of its directory: the renumbered lines go to the scratch
// file, which is synced and renamed over the results file in one atomic step
// (only when the results file is still the one read). Throws InOutError when
// the scratch file cannot be written, the results file cannot be read, or
// the replacement fails; the results file then keeps its old content and
// the scratch file is removed.
void RenumberResults(const std::filesystem::path& resultsFile,
                     const std::filesystem::path& scratchFile);

}  // namespace kulko
