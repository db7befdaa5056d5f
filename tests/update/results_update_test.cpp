// The date key that decides whether a fetched results file is newer.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "files/in_out_error.hpp"
#include "support/temp_dir.hpp"
#include "update/results_update.hpp"

namespace kulko::test {
namespace {

using Key = std::optional<DateKey>;
constexpr DateKeySource kLocal = DateKeySource::Local;
constexpr DateKeySource kFetched = DateKeySource::Fetched;

TEST(DrawDateKey, RearrangesTheDateFieldWhateverTheSeparators) {
    struct Case {
        const char* line;
        Key key;
    };
    const Case cases[] = {
        {"7297;06.12.2026;3;11;19;27;38;45", 20261206},
        {"7297;06-12-2026;3;11;19;27;38;45", 20261206},
        {"7297;06/12-2026", 20261206},  // exactly 15 characters
        {"0001;27.01.1957;8;12;31;39;43;45", 19570127},
        {"7297;06.12.202", std::nullopt},  // 14 characters
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawDateKey(c.line, kFetched), c.key) << c.line;
        EXPECT_EQ(DrawDateKey(c.line, kLocal), c.key) << c.line;
    }
}

TEST(DrawDateKey, OnlyTheFetchedSideNeedsDigits) {
    // A local date with a letter ranks as its bytes do: after every date of
    // digits that begins like it, so a download from 1957 does not replace it.
    const Key letter = DrawDateKey("7297;06.12.2O26;3;11;19;27;38;45", kLocal);
    EXPECT_EQ(letter, 29999999);
    EXPECT_FALSE(FetchedResultsAreNewer(letter, DrawDateKey("0001;27.01.1957", kFetched)));
    EXPECT_EQ(DrawDateKey("7297;06.12. 026;3;11;19;27;38;45", kLocal), -1);
    // A fetched one with anything but digits has no key and is never taken.
    EXPECT_EQ(DrawDateKey("7297;06.12.2O26;3;11;19;27;38;45", kFetched), std::nullopt);
    EXPECT_EQ(DrawDateKey("<html><body>Not found</body></html>", kFetched), std::nullopt);
    EXPECT_EQ(DrawDateKey("7297;ab.cd.efgh;1;2;3;4;5;6", kFetched), std::nullopt);
}

TEST(DrawDateKey, ALocalDateOfOtherBytesRanksAsItsBytesDo) {
    // Year, month and day places compared byte by byte, as unsigned bytes.
    const auto places = [](std::string_view line) {
        return std::string(line.substr(11, 4)) + std::string(line.substr(8, 2)) +
               std::string(line.substr(5, 2));
    };
    const char* const locals[] = {"7297;06.12. 026",    "7297;06.12.2O26", "7297;06.1 .2026",
                                  "7297;0\xE9.12.2026", "7297;06.12.202/", "7297;06.12.20:6"};
    const char* const fetched[] = {"0001;01.01.0000", "0001;31.12.1999", "0001;01.01.2000",
                                   "0001;06.12.2026", "0001;31.12.2026", "0001;01.01.2027",
                                   "0001;09.09.2099", "0001;01.01.3000", "0001;31.12.9999"};
    for (const char* l : locals) {
        for (const char* f : fetched) {
            EXPECT_EQ(FetchedResultsAreNewer(DrawDateKey(l, kLocal), DrawDateKey(f, kFetched)),
                      places(f) > places(l))
                << l << " / " << f;
        }
    }
}

TEST(DrawDateKey, TheYearDecidesBeforeMonthAndDay) {
    const Key newYear = DrawDateKey("7000;01.01.2010;1;2;3;4;5;6", kFetched);
    const Key oldYearEnd = DrawDateKey("6999;31.12.2009;1;2;3;4;5;6", kLocal);
    EXPECT_TRUE(FetchedResultsAreNewer(oldYearEnd, newYear));
    EXPECT_FALSE(FetchedResultsAreNewer(newYear, oldYearEnd));
    // Day first in the file, but the month outranks it.
    EXPECT_TRUE(FetchedResultsAreNewer(DrawDateKey("7000;31.01.2010", kLocal),
                                       DrawDateKey("7001;01.02.2010", kFetched)));
}

TEST(FetchedResultsAreNewer, OnlyAFetchedKeyLaterThanTheLocalOneWins) {
    const Key day = 20261206;
    const Key nextDay = 20261207;
    EXPECT_TRUE(FetchedResultsAreNewer(day, nextDay));
    EXPECT_FALSE(FetchedResultsAreNewer(day, day));
    EXPECT_FALSE(FetchedResultsAreNewer(nextDay, day));
    // A fetched file without a key is never taken; a local file without one
    // (empty, or a short last line) gives way to any fetched key.
    EXPECT_FALSE(FetchedResultsAreNewer(day, std::nullopt));
    EXPECT_FALSE(FetchedResultsAreNewer(std::nullopt, std::nullopt));
    EXPECT_TRUE(FetchedResultsAreNewer(std::nullopt, day));
}

TEST(LastDateKey, ReadsTheLastLongEnoughLineByTheTextRules) {
    TempDir dir;
    struct Case {
        const char* bytes;
        Key key;
    };
    const Case cases[] = {
        {"0001;27.01.1957;1;2;3;4;5;6\r\n0002;03.02.1957;1;2;3;4;5;6\r\n", 19570203},
        {"0001;27.01.1957;1;2;3;4;5;6\r\n0002;03.02.1957;1;2;3;4;5;6", 19570203},
        // Ctrl-Z ends the file: what follows it is not a line.
        {"0001;27.01.1957;1;2;3;4;5;6\r\n\x1a"
         "0002;03.02.1957;1;2;3;4;5;6\r\n",
         19570127},
        // A trailing empty or short line does not hide the last draw.
        {"0001;27.01.1957;1;2;3;4;5;6\r\n\r\n", 19570127},
        {"0001;27.01.1957;1;2;3;4;5;6\r\n7\r\n", 19570127},
        {"7\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        dir.Write("kulko.txt", c.bytes);
        EXPECT_EQ(LastDateKey(dir / "kulko.txt", kLocal), c.key) << c.bytes;
        EXPECT_EQ(LastDateKey(dir / "kulko.txt", kFetched), c.key) << c.bytes;
    }
}

TEST(LastDateKey, MissingFileIsFileNotFound) {
    TempDir dir;
    try {
        LastDateKey(dir / "kulko.txt", kLocal);
        FAIL() << "no error";
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
}

}  // namespace
}  // namespace kulko::test
