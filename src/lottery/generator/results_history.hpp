#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "files/read_only_file.hpp"
#include "files/text_reader.hpp"
#include "game/number_set.hpp"
#include "generator/generator_options.hpp"
#include "generator/history_index.hpp"

namespace kulko {

// The results file as one press of "Losuj" sees it. The file is opened at
// the first attempt that reaches the history test and held for the rest of
// the press; a press whose attempts never get that far does not open it, and
// a missing or unreadable file fails the press at that attempt.
//
// Its records are read and indexed only as the attempts need them: a
// candidate that a record read so far rejects needs no more, and only a
// candidate that survives them all makes the press read on, piece by piece,
// until a record rejects it or the file ends. So a press that the first
// records decide reads only those, and "normalny", which no record rejects,
// reads nothing. Which candidates are rejected is the same as when every
// attempt reads the file from its first record.
class ResultsHistory {
  public:
    ResultsHistory(std::filesystem::path resultsFile, DrawMode mode);
    ~ResultsHistory();

    // Throws InOutError when the file cannot be opened or read.
    bool Rejects(const NumberSet& candidate);

  private:
    std::filesystem::path file_;
    DrawMode mode_;
    std::optional<ReadOnlyFile> opened_;
    std::optional<TextReader> records_;
    HistoryIndex index_;
    bool allRead_ = false;
};

}  // namespace kulko
