#include "generator/candidate_tests.hpp"

#include <algorithm>

namespace kulko {

int LowCount(const NumberSet& candidate) {
    return static_cast<int>(std::count_if(candidate.begin(), candidate.end(),
                                          [](int n) { return n < kFirstHighNumber; }));
}

bool PassesBias(DrawBias bias, const NumberSet& candidate, int targetLowCount) {
    if (bias == DrawBias::Ignore) {
        return true;  // no count needed: the analyses judge millions of sets
    }
    const int low = LowCount(candidate);
    const int high = kNumbersPerDraw - low;
    switch (bias) {
        case DrawBias::Ignore:
            return true;
        case DrawBias::AsStatistics:
            return low == targetLowCount;
        case DrawBias::LowMajority:
            return low > 3;
        case DrawBias::HighMajority:
            return high > 3;
    }
    return true;
}

bool PassesCondition(DrawCondition condition, const NumberSet& candidate) {
    switch (condition) {
        case DrawCondition::Any:
            return true;
        case DrawCondition::NoTwoInRow:
            for (std::size_t i = 0; i + 1 < candidate.size(); ++i) {
                if (candidate[i + 1] - candidate[i] == 1) {
                    return false;
                }
            }
            return true;
        case DrawCondition::NoThreeInRow:
            for (std::size_t i = 0; i + 2 < candidate.size(); ++i) {
                if (candidate[i + 1] == candidate[i] + 1 && candidate[i + 2] == candidate[i] + 2) {
                    return false;
                }
            }
            return true;
        case DrawCondition::EvenOnly:
            return std::all_of(candidate.begin(), candidate.end(),
                               [](int n) { return n % 2 == 0; });
        case DrawCondition::OddOnly:
            return std::all_of(candidate.begin(), candidate.end(),
                               [](int n) { return n % 2 != 0; });
    }
    return true;
}

RecentDrawTest::RecentDrawTest(const RecentDrawTable& recentDraws, std::int32_t recentCount,
                               RecentFilter filter, bool notIfAlreadyDrawn)
    : rows_(std::min(recentCount, kMaxRows)),
      filter_(filter),
      notIfAlreadyDrawn_(notIfAlreadyDrawn) {
    // The newest rows are the last ones; below one row nothing is compared.
    for (std::int32_t row = kMaxRows - std::max(rows_, 0); row < kMaxRows; ++row) {
        for (int value : recentDraws[static_cast<std::size_t>(row)]) {
            if (IsGameNumber(value)) {  // zeros of missing draws match nothing
                ++occurrences_[static_cast<std::size_t>(value)];
            }
        }
    }
}

int RecentDrawTest::Hits(const NumberSet& candidate) const {
    int hits = 0;
    for (int n : candidate) {
        hits += occurrences_[static_cast<std::size_t>(n)];
    }
    return hits;
}

bool RecentDrawTest::Rejects(const NumberSet& candidate) const {
    if (filter_ == RecentFilter::Ignore && !notIfAlreadyDrawn_) {
        return false;  // nothing compared: the analyses judge millions of sets
    }
    const int hits = Hits(candidate);
    if (filter_ == RecentFilter::NoPair && hits >= 2) {
        return true;
    }
    if (filter_ == RecentFilter::NoTriple && hits >= 3) {
        return true;
    }
    // With no row compared every candidate has 0 hits, which reaches a count
    // of 0 or less: such a count rejects everything.
    return notIfAlreadyDrawn_ && hits >= rows_;
}

}  // namespace kulko
