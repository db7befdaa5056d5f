#pragma once

#include <filesystem>
#include <optional>

#include "game/number_set.hpp"
#include "generator/generator_options.hpp"
#include "generator/history_index.hpp"

namespace kulko {

// The results file as one press of "Losuj" sees it. The file is read at the
// first attempt that reaches the history test and then held for the rest of
// the press; a press whose attempts never get that far does not open it, and
// a missing or unreadable file fails the press at that attempt.
class ResultsHistory {
  public:
    ResultsHistory(std::filesystem::path resultsFile, DrawMode mode)
        : file_(std::move(resultsFile)), mode_(mode) {}

    // Throws InOutError when the file cannot be read.
    bool Rejects(const NumberSet& candidate) {
        if (!index_) {
            TextFileReader reader(file_);
            index_.emplace(HistoryIndex::FromText(reader, mode_));
        }
        return index_->Rejects(candidate);
    }

  private:
    std::filesystem::path file_;
    DrawMode mode_;
    std::optional<HistoryIndex> index_;
};

}  // namespace kulko
