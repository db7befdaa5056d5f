#include "stats/number_search.hpp"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

// A long file is searched many bytes at a time: a match at any place of a
// line, twice in a line, after the line's CR or cut by it is counted as a
// line-by-line search counts it.
TEST(CountLinesContaining, MatchesAtEveryPlaceOfALongFile) {
    std::string text;
    std::size_t expected = 0;
    for (int i = 0; i < 400; ++i) {
        const char* tails[] = {"2;3", "2;3;2;3", "\r2;3", "2;\r3", "2;4"};
        text += std::string(static_cast<std::size_t>(1 + i % 37), '9') + tails[i % 5] + "\r\n";
        expected += i % 5 < 2 ? 1 : 0;
    }
    TempDir dir;
    dir.Write("kulko.txt", text + "2;3");  // an unended last line
    EXPECT_EQ(CountLinesContaining(dir / "kulko.txt", "2;3"), expected + 1);
    EXPECT_EQ(CountLinesContaining(dir / "kulko.txt", "92;3;2"), 400u / 5);
}

}  // namespace
}  // namespace kulko::test
