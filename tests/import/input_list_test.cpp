// Reading a whole list: the order of day and month in dates "A/B/YYYY" is
// taken only when no line of the list leaves it open, and never guessed.
#include "import/input_list.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

struct Read {
    std::vector<DateKey> dates;
    std::string refusal;
};

Read ReadList(const std::string& text) {
    InputSource source{"lista", TextReader::FromBytes(text)};
    std::vector<PlacedDraw> draws;
    const auto bad = ReadInputDraws(source, MakeDateKey(2026, 12, 7), draws);
    Read read;
    for (const PlacedDraw& placed : draws) {
        read.dates.push_back(placed.draw.dateKey);
    }
    if (bad) {
        read.refusal = "wiersz " + std::to_string(bad->place.lineNumber) + ": " + bad->reason;
    }
    return read;
}

TEST(InputList, DayAndMonthAreTakenOnlyInTheOneOrderEveryLineFits) {
    // One day above twelve decides the order for every line of the list.
    Read read = ReadList("03/04/2025,1,2,3,4,5,6\n13/04/2025,1,2,3,4,5,6\n");
    EXPECT_EQ(read.refusal, "");
    EXPECT_EQ(read.dates, (std::vector<DateKey>{20250403, 20250413}));
    read = ReadList("Date,Numbers\n03/04/2025,1 2 3 4 5 6\n04/13/2025,1 2 3 4 5 6\n");
    EXPECT_EQ(read.refusal, "");
    EXPECT_EQ(read.dates, (std::vector<DateKey>{20250304, 20250413}));
    // Both orders fit: refused, with both readings named.
    read = ReadList("01/01/2025;1;2;3;4;5;6\n03/04/2025;1;2;3;4;5;6\n05/06/2025;1;2;3;4;5;6\n");
    EXPECT_NE(read.refusal.find("wiersz 2: "), std::string::npos) << read.refusal;
    EXPECT_NE(read.refusal.find("03.04.2025 albo 04.03.2025"), std::string::npos) << read.refusal;
    // Neither order fits every line.
    read = ReadList("13/04/2025,1,2,3,4,5,6\n04/13/2025,1,2,3,4,5,6\n");
    EXPECT_NE(read.refusal.find("wiersz 2: "), std::string::npos) << read.refusal;
    EXPECT_NE(read.refusal.find("wierszu 1"), std::string::npos) << read.refusal;
}

}  // namespace
}  // namespace kulko::test
