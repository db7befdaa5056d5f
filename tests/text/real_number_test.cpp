#include "text/real_number.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace kulko {
namespace {

TEST(TextToReal, AcceptsOnlyTheDecimalForm) {
    EXPECT_DOUBLE_EQ(TextToReal("2.5").value, 2.5);
    EXPECT_DOUBLE_EQ(TextToReal("  -3").value, -3.0);
    EXPECT_DOUBLE_EQ(TextToReal(".5").value, 0.5);
    EXPECT_DOUBLE_EQ(TextToReal("5.").value, 5.0);
    EXPECT_DOUBLE_EQ(TextToReal("+1e2").value, 100.0);
    EXPECT_DOUBLE_EQ(TextToReal("1.13").value, 1.13);
    EXPECT_DOUBLE_EQ(TextToReal("1.130").value, TextToReal("1.13").value);
    EXPECT_TRUE(TextToReal("").accepted);
    EXPECT_TRUE(TextToReal("   ").accepted);
    EXPECT_DOUBLE_EQ(TextToReal("   ").value, 0.0);
    for (const char* bad :
         {"2,5", "5 ", "1e", ".", "-", "inf", "nan", "0x10", "1.2.3", "12zł", "1e+", "e5"}) {
        EXPECT_FALSE(TextToReal(bad).accepted) << bad;
        EXPECT_DOUBLE_EQ(TextToReal(bad).value, 0.0) << bad;
    }
    EXPECT_TRUE(std::isinf(TextToReal("1e999").value));
    EXPECT_DOUBLE_EQ(TextToReal("1e-999").value, 0.0);
}

}  // namespace
}  // namespace kulko
