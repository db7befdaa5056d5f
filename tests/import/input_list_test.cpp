// Reading a whole list: the order of day and month in dates "A/B/YYYY" is
// taken only when no line of the list leaves it open, and never guessed.
#include "import/input_list.hpp"

#include <gtest/gtest.h>

namespace kulko::test {
namespace {

struct Read {
    std::vector<DateKey> dates;
    std::vector<NumberSet> numbers;
    std::string refusal;
};

Read ReadList(const std::string& text) {
    InputSource source{"lista", TextReader::FromBytes(text)};
    std::vector<PlacedDraw> draws;
    const auto bad = ReadInputDraws(source, MakeDateKey(2026, 12, 7), draws);
    Read read;
    for (const PlacedDraw& placed : draws) {
        read.dates.push_back(placed.draw.dateKey);
        read.numbers.push_back(placed.draw.numbers);
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

TEST(InputList, AHeaderIsReadInThePublishedFormsAndNothingElseIsGuessed) {
    // Long and short names of the numbers, bonus and extra columns in full
    // and abbreviated, a game and a running count before the date.
    for (const std::string header :
         {"Game;Seq;Draw Date;NUMBER DRAWN 1;NUMBER DRAWN 2;NUMBER DRAWN 3;NUMBER DRAWN 4;"
          "NUMBER DRAWN 5;NUMBER DRAWN 6;BONUS NUMBER;Extra",
          "Gra;Lp;Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ;SZ;BB"}) {
        const Read read = ReadList(header + "\nLotto;12;08.01.2026;40;3;17;9;22;31;44;5;6\n");
        EXPECT_EQ(read.numbers, (std::vector<NumberSet>{{3, 9, 17, 22, 31, 40}})) << header;
    }
    // Columns it cannot place are named where the rows do not read by their shape.
    Read read = ReadList("Gra;Lp;Kiedy;A;B;C;D;E;F\nLotto;1;08.01.2026;1;2;3;4;5;6\n");
    EXPECT_NE(read.refusal.find("program nie zna: „Kiedy”, „A”, „B”"), std::string::npos);
    // A date column of a comma only holds no date.
    read = ReadList("Nr\tData\tL1\tL2\tL3\tL4\tL5\tL6\n7298\t,\t1\t2\t3\t4\t5\t6\n");
    EXPECT_TRUE(read.refusal.starts_with("wiersz 2: pole „Data” nie zawiera daty; "));
}

}  // namespace
}  // namespace kulko::test
