#include "ledger/ledger_total.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kulko::test {
namespace {

Ledger WithAmounts(const std::vector<std::string>& amounts, std::size_t first = 0) {
    Ledger ledger = EmptyLedger();
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        ledger[first + i].amount = amounts[i];
    }
    return ledger;
}

TEST(LedgerTotal, SumsTheAmountsInTheAcceptedForm) {
    struct Case {
        std::vector<std::string> amounts;
        const char* text;
    };
    const Case cases[] = {
        {{}, "0.00"},
        {{"10", "2.5", ""}, "12.50"},
        {{"10", "-3"}, "7.00"},
        {{"-3"}, "-3.00"},
        {{" +.5", "5.", "1e2", "2E-1"}, "105.70"},
        {{"   "}, "0.00"},
        // In no form the value reads: adds nothing.
        {{"5", "12 ", "abc", "0x10", "inf"}, "5.00"},
        {{"0.005"}, "0.01"},
        {{"-0.001"}, "0.00"},
        {{"1234567.891"}, "1234567.89"},
        {{"1e400", "1"}, "INF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TotalText(LedgerTotal(WithAmounts(c.amounts))), c.text);
    }
}

TEST(LedgerTotal, ReadsAmountsWrittenThePolishWay) {
    // "zł" as stored, in Windows-1250.
    for (const char* amount : {"12,50", "+12,5e0", "12,5 z\xB3", "12,50z\xB3", "12.5  z\xB3"}) {
        EXPECT_EQ(AmountValue(amount), 12.5) << amount;
    }
    // Spoilt by a comma beside a ".", a second comma, anything after "zł".
    for (const char* amount : {"1.234,50", "1,2,3", "10 z\xB3 ", "z\xB3 10", "z\xB3"}) {
        EXPECT_EQ(AmountValue(amount), 0.0) << amount;
    }
}

TEST(LedgerTotal, AddsInDoublePrecisionInEntryOrder) {
    // 1e16 + 1 + 1 in order loses both ones in double; a different order or a
    // wider type would keep them.
    const Ledger ledger = WithAmounts({"1e16", "1", "1"});
    EXPECT_EQ(LedgerTotal(ledger), 1e16);
    // Entry 5000 counts like any other.
    EXPECT_EQ(LedgerTotal(WithAmounts({"4.25"}, 4999)), 4.25);
}

}  // namespace
}  // namespace kulko::test
