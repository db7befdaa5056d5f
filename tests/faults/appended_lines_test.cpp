// Lines added to files edited by hand: a draw log or memory whose last line
// has no line end, or that holds a Ctrl-Z (which ends the file for every
// reader). The new line must be one of its own, before the Ctrl-Z, and so be
// seen by the count, by "Sprawdź" and by the chart; every byte already there
// stays.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "faults/fault_support.hpp"
#include "stats/draw_log_counts.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {
namespace {

class AppendedLinesTest : public WindowTest {};

TEST_F(AppendedLinesTest, TheNewLineIsSeenByEveryReader) {
    WriteUserFiles(dir);
    Start();
    struct Case {
        std::string old;
        std::string before;  // the old bytes before the new line
        std::string after;   // the old bytes after it
        std::size_t lines;   // lines seen afterwards
    };
    const Case cases[] = {
        {"1;2;3;4;5;6\r\n7;8;9;10;11", "1;2;3;4;5;6\r\n7;8;9;10;11\r\n", "", 3},
        {"1;2;3;4;5;6\r\n7;8;9;10;11\r", "1;2;3;4;5;6\r\n7;8;9;10;11\r\n", "", 3},
        {"1;2;3;4;5;6\x1a\r\n7;8\r\n", "1;2;3;4;5;6\r\n", "\x1a\r\n7;8\r\n", 2},
        {"\x1a", "", "\x1a", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.old);
        // The chart counts the drawn set on top of what it counted before.
        dir.Write("losowania_kulko.txt", c.old);
        NumberCounts expected = CountDrawLogNumbers(dir / "losowania_kulko.txt");
        Window().SpeedButton2Click();
        const std::string set = Window().PendingSetText;
        std::istringstream numbers(set);
        for (std::string number; std::getline(numbers, number, ';');) {
            ++expected.at(static_cast<std::size_t>(std::stoi(number) - 1));
        }
        EXPECT_EQ(dir.Read("losowania_kulko.txt"), c.before + set + "\r\n" + c.after);
        EXPECT_EQ(CountDrawLogNumbers(dir / "losowania_kulko.txt"), expected);

        // The memory counts the stored set, and "Sprawdź" scores it.
        dir.Write("wyniki_kulko.txt", c.old);
        Window().SpeedButton6Click();
        EXPECT_EQ(dir.Read("wyniki_kulko.txt"), c.before + set + "\r\n" + c.after);
        EXPECT_EQ(Window().Label1.caption, "Pamięć " + std::to_string(c.lines) + " wyników");
        Window().wyniki_losowan.text = set;
        Window().SpeedButton8Click();
        ASSERT_EQ(Window().lista.items.Size(), c.lines);
        EXPECT_EQ(Window().lista.items.All().back(), "W zakładach " + set + " znaleziono 6");
    }
}

}  // namespace
}  // namespace kulko::test
