#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kulko {

// Six slots filled from the first six ";"-separated fields of a text; a
// slot without a field, or whose field reads as 0, holds 0 (no number).
using SetSlots = std::array<std::int32_t, 6>;

// Typed numbers and kept lines are split alike: each field is converted with
// TextToNumber (blanks before a number skipped, anything after its digits
// dropped) and fields after the sixth are ignored.
SetSlots SplitIntoSlots(std::string_view text);

// Pairs of a typed slot and a stored slot holding the same number other
// than 0. A number typed twice counts twice.
int CountHits(const SetSlots& typed, const SetSlots& stored);

struct CheckedSet {
    std::string storedLine;  // as read from the file (Windows-1250)
    int hits = 0;
};

// Every line of the memory file scored against the typed text, in file
// order. A missing file gives no lines; a file that cannot be read throws
// InOutError.
std::vector<CheckedSet> CheckMemoryFile(const std::filesystem::path& memoryFile,
                                        std::string_view typedText);

}  // namespace kulko
