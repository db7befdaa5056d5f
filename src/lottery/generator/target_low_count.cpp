#include "generator/target_low_count.hpp"

#include <array>
#include <cmath>

namespace kulko {
namespace {

// Reference ratio of low to high numbers for each low count 0 to 6.
constexpr std::array<double, 7> kReferenceRatio{0.0, 0.25, 0.66, 1.5, 4.0, 5.0, 6.0};

// Three low and three high numbers: what a fair draw of six from 24 low and
// 25 high numbers gives most often.
constexpr int kEvenSplit = 3;

}  // namespace

int TargetLowCount(int lowNumberTotal, int highNumberTotal) {
    if (highNumberTotal <= 0) {
        // The ratio has no value without high numbers. If low numbers were
        // drawn, the history holds nothing but low numbers: the ratio grows
        // without bound, and the nearest reference is that of six low
        // numbers. Without any drawn number there are no statistics to
        // follow, so the set gets the most likely split instead.
        return lowNumberTotal > 0 ? static_cast<int>(kReferenceRatio.size()) - 1 : kEvenSplit;
    }
    const double ratio = static_cast<double>(lowNumberTotal) / static_cast<double>(highNumberTotal);
    int best = 0;
    double bestDistance = std::fabs(kReferenceRatio[0] - ratio);
    for (int t = 1; t < static_cast<int>(kReferenceRatio.size()); ++t) {
        const double distance = std::fabs(kReferenceRatio[static_cast<std::size_t>(t)] - ratio);
        if (distance <= bestDistance) {  // a tie goes to the larger count
            best = t;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace kulko
