#include "stats/results_counter.hpp"

#include "files/read_only_file.hpp"

namespace kulko {

NumberCounts ResultsCounter::Count(const char* resultsFile) {
    FileIdentity now;
    if (identity_ && FileIdentity::OfPath(resultsFile, now) && identity_->ProvesUnchanged(now)) {
        return counts_;
    }
    identity_.reset();
    const ReadOnlyFile file(resultsFile);
    // The identity before the read: a change while it reads gives the file
    // other times, so the counts are never taken for a later state.
    const FileIdentity& read = file.OpenedIdentity();
    Remember(read, TallyFile(file.Fd(), TallyResultsText, read.Size()).Counts());
    return counts_;
}

void ResultsCounter::Remember(const FileIdentity& identity, const NumberCounts& counts) {
    identity_ = identity;
    counts_ = counts;
}

}  // namespace kulko
