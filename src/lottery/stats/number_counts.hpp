#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "game/number_set.hpp"

namespace kulko {

// How often each number 1 to 49 stands among the number tokens of the
// results file (every token of every line, after the second ";"). Values
// outside 1 to 49 have no counter and are skipped. Index n - 1.
using NumberCounts = std::array<int, kHighestNumber>;

// Throws InOutError when the file cannot be read.
NumberCounts CountResultsNumbers(const std::filesystem::path& resultsFile);

// Counts being gathered: a counter for every value a usual token can have
// (0 to 99), so that a usual token is counted without a test of its range;
// only 1 to 49 are kept in the end.
class NumberTally {
  public:
    // A value from a usual token (0 to 99).
    void AddUsual(std::int32_t value) { ++counts_[static_cast<std::size_t>(value)]; }
    // Any value; those outside 1 to 49 have no counter.
    void Add(std::int32_t value) {
        if (IsGameNumber(value)) {
            ++counts_[static_cast<std::size_t>(value)];
        }
    }
    void Add(const NumberTally& other);
    NumberCounts Counts() const;

  private:
    std::array<int, 100> counts_{};
};

// Counts the number tokens of the results lines in `text` (whole lines, the
// Ctrl-Z and what follows it already cut off).
void TallyResultsText(std::string_view text, NumberTally& tally);

// Tallies the text of the open file `fd` (not taken over) from its start up
// to `end` at most, piece by piece with `tallyText`. Throws InOutError.
using TextTally = void (*)(std::string_view text, NumberTally& tally);
NumberTally TallyFile(int fd, TextTally tallyText, std::uint64_t end = UINT64_MAX);

}  // namespace kulko
