#include "stats/chart_scale.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

TEST(ChartHeight, RoundsHalvesToEvenAfterDividingThenMultiplying) {
    struct Case {
        int count, max, levels, height;
    };
    const Case cases[] = {
        {100, 100, 10, 215},                  // the top reaches 1.0
        {99, 100, 10, 213},                   // 198
        {98, 100, 10, 211},                   // 196
        {79, 80, 10, 213},                    // 197.5 -> 198
        {1, 80, 10, 17},                      // 2.5 -> 2, not 3
        {3, 80, 10, 23},                      // 7.5 -> 8
        {0, 100, 10, 15},                     // never drawn: the x axis
        {812, 812, 5, 115},                   // the draw log's top reaches 0.5
        {1, 2, 5, 65},       {0, 0, 10, 15},  // nothing counted: no division by zero
        {0, 0, 5, 15},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChartHeight(c.count, c.max, c.levels), c.height)
            << c.count << "/" << c.max << " on " << c.levels << " levels";
    }
}

}  // namespace
}  // namespace kulko::test
