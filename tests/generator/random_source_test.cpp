#include "generator/random_source.hpp"

#include <gtest/gtest.h>

namespace kulko {
namespace {

TEST(RandomSource, IsTheExactLinearCongruentialSequence) {
    RandomSource random(0);
    // seed 0 -> 1 -> 134775814 -> ...
    EXPECT_EQ(random.Draw(49), 0u);  // (1 * 49) >> 32
    EXPECT_EQ(random.State(), 1u);
    EXPECT_EQ(random.Draw(49), static_cast<std::uint32_t>((134775814ull * 49) >> 32));
    EXPECT_EQ(random.State(), 134775814u);
    // The state wraps modulo 2^32.
    random.Seed(0xFFFFFFFFu);
    random.Draw(10);
    EXPECT_EQ(random.State(), static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
}

TEST(RandomSource, DrawsStayInRange) {
    RandomSource random(987654321u);
    for (int i = 0; i < 10000; ++i) {
        EXPECT_LT(random.Draw(49), 49u);
    }
}

}  // namespace
}  // namespace kulko
