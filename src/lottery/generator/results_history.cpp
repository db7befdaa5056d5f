#include "generator/results_history.hpp"

namespace kulko {

ResultsHistory::ResultsHistory(std::filesystem::path resultsFile, DrawMode mode)
    : file_(std::move(resultsFile)), mode_(mode), index_(mode) {}

ResultsHistory::~ResultsHistory() = default;

bool ResultsHistory::Rejects(const NumberSet& candidate) {
    if (!opened_) {
        opened_.emplace(file_);
        records_.emplace(opened_->Fd());
    }
    if (mode_ == DrawMode::Normal) {
        return false;
    }
    std::string_view piece;
    while (!index_.Rejects(candidate)) {
        if (allRead_ || !records_->NextPiece(piece)) {
            allRead_ = true;
            return false;
        }
        index_.AddText(piece);
    }
    return true;
}

}  // namespace kulko
