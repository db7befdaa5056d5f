#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "files/file_identity.hpp"
#include "files/read_only_file.hpp"
#include "stats/number_counts.hpp"

namespace kulko {

// The number counts of the draw log as the chart needs them at every paint,
// kept from one paint to the next: a log provably unchanged since the last
// count (see FileIdentity) is not read again; a log that only grew (the same
// file, longer: the program only ever appends to it) is read from its first
// line not yet counted whole; any other log is read whole. The log stays
// open from one count to the next, so that a paint after a new line looks at
// the path once and reads only the new bytes.
class DrawLogCounter {
  public:
    // Throws InOutError when the log cannot be read.
    NumberCounts Count(const std::filesystem::path& drawLog) { return Count(drawLog.c_str()); }
    NumberCounts Count(const char* drawLog);
    // What the last count saw of the log's end; nothing when no count has
    // been kept.
    std::optional<KnownTextEnd> Known() const;

  private:
    // Counts the log's lines from `offset` (the start of a line) up to `end`.
    void CountFrom(int fd, std::uint64_t offset, std::uint64_t end);

    std::optional<ReadOnlyFile> held_;  // the log as last opened
    std::optional<FileIdentity> identity_;
    NumberTally whole_;           // the lines that end with their LF
    NumberTally unended_;         // the last line, when it has no LF
    std::uint64_t wholeEnd_ = 0;  // offset after the last LF counted
    bool ctrlZ_ = false;
    char lastByte_ = '\n';
};

}  // namespace kulko
