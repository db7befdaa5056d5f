// The shipped table: every system in it keeps its guarantee; damaged tables
// keep what precedes the damage.
#include "wheels/wheel_table.hpp"

#include <gtest/gtest.h>

#include "wheels/brute_force.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/verify.hpp"

namespace kulko::test {
namespace {

TEST(ShippedTable, EverySystemKeepsItsGuarantee) {
    std::string damage;
    const WheelTable table = WheelTable::Load(KULKO_SHIPPED_TABLE, damage);
    EXPECT_EQ(damage, "");
    // Every guarantee from "3 z 3" to "5 z 6" for 7 to 30 numbers, and
    // "3 z 3" for some counts above that.
    std::size_t upTo30 = 0;
    for (const WheelTable::Entry& entry : table.Entries()) {
        upTo30 += entry.v <= 30 ? 1 : 0;
        EXPECT_TRUE(entry.v <= 30 || (entry.guarantee.t == 3 && entry.guarantee.m == 3));
    }
    EXPECT_EQ(upTo30, 24u * 9u);
    for (const WheelTable::Entry& entry : table.Entries()) {
        SCOPED_TRACE(std::to_string(entry.v) + " " + GuaranteeName(entry.guarantee));
        EXPECT_TRUE(KeepsGuarantee(*entry.tickets, entry.v, entry.guarantee));
        EXPECT_GE(entry.tickets->size(), SystemLowerBound(entry.v, entry.guarantee).tickets);
        // The plain check too, where it is quick.
        if (entry.tickets->size() < 100) {
            EXPECT_TRUE(BruteForceKeeps(*entry.tickets, AllPositions(entry.v), entry.guarantee));
        }
    }
}

TEST(WheelTable, ReadsBackWhatItWritesAndStopsAtDamage) {
    WheelTable table;
    table.Put(7, {3, 3}, {0b0111111, 0b1011111, 0b1101111, 0b1110111});
    std::string damage;
    const std::string text = table.Text({"uwaga"});
    EXPECT_EQ(text, "# uwaga\n7 3z3 4\n1;2;3;4;5;6\n1;2;3;4;5;7\n1;2;3;4;6;7\n1;2;3;5;6;7\n");
    const WheelTable back = WheelTable::Parse(text, damage);
    EXPECT_EQ(damage, "");
    ASSERT_NE(back.Find(7, {3, 3}), nullptr);
    EXPECT_EQ(back.Find(7, {3, 3})->size(), 4u);

    const char* damaged[] = {
        "7 3z3 4\n1;2;3;4;5;6\n",   // cut short
        "7 3z3 1\n1;2;3;4;5;8\n",   // a number above v
        "7 3z3 1\n1;2;3;4;5;5\n",   // a number twice
        "7 3z3 1\n1;2;3;4;5\n",     // five numbers
        "7 2z3 1\n1;2;3;4;5;6\n",   // a guarantee that does not fit
        "7 3z3 8\n",                // more tickets than the full system
        "6 3z3 1\n1;2;3;4;5;6\n",   // too few numbers
        "7 3z3 x\n1;2;3;4;5;6\n",   // a count that is no number
        "7 3z3 1\n1;2;3;4;5;+6\n",  // a sign
    };
    for (const char* bad : damaged) {
        SCOPED_TRACE(bad);
        const WheelTable read = WheelTable::Parse(text + bad, damage);
        EXPECT_NE(damage, "");
        EXPECT_NE(read.Find(7, {3, 3}), nullptr);  // what came before stays
    }
}

}  // namespace
}  // namespace kulko::test
