#include "generator/target_low_count.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

TEST(TargetLowCount, NearestReferenceRatioAndTheLargerCountOnATie) {
    struct Row {
        int low;
        int high;
        int target;
    };
    const Row rows[] = {
        {96, 100, 2},   // 0.96
        {120, 100, 3},  // 1.2
        {0, 100, 0},
        {25, 100, 1},
        {66, 100, 2},
        {150, 100, 3},
        {400, 100, 4},
        {500, 100, 5},
        {600, 100, 6},
        {5000, 1, 6},
        // Exact ties go to the larger count.
        {1, 8, 1},     // 0.125, between 0 and 0.25
        {9, 2, 5},     // 4.5, between 4 and 5
        {11, 2, 6},    // 5.5, between 5 and 6
        {46, 100, 2},  // 0.46: nearer 0.66 than 0.25 by 0.01
        {45, 100, 1},  // 0.45: nearer 0.25 by 0.01
        // Without high numbers: only low ones were drawn, or none at all.
        {10, 0, 6},
        {0, 0, 3},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TargetLowCount(row.low, row.high), row.target) << row.low << "/" << row.high;
    }
}

}  // namespace
}  // namespace kulko::test
