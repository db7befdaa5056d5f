#pragma once

#include <filesystem>
#include <optional>

#include "files/file_identity.hpp"
#include "stats/number_counts.hpp"

namespace kulko {

// The number counts of the results file as the chart, "Częstość" and the
// minimum search need them, kept with the identity of the file they were
// taken from: a file provably unchanged since (see FileIdentity) is not read
// again; any other file is read whole.
class ResultsCounter {
  public:
    // Throws InOutError when the file cannot be read.
    NumberCounts Count(const std::filesystem::path& resultsFile) {
        return Count(resultsFile.c_str());
    }
    NumberCounts Count(const char* resultsFile);
    // Counts taken elsewhere (the start-up read) of the file with this
    // identity.
    void Remember(const FileIdentity& identity, const NumberCounts& counts);

  private:
    std::optional<FileIdentity> identity_;
    NumberCounts counts_{};
};

}  // namespace kulko
