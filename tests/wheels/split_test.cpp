// Systems put together from systems on parts of the numbers.
#include "wheels/split.hpp"

#include <gtest/gtest.h>

#include "wheels/brute_force.hpp"
#include "wheels/system_catalog.hpp"
#include "wheels/verify.hpp"

namespace kulko::test {
namespace {

TEST(Split, ChoosesTheFewestTicketsAndKeepsTheGuaranteeByBruteForce) {
    // The parts of 49 numbers "3 z 6": 77 on 22 and 86 on 27.
    const auto published = [](int v, Guarantee g) -> std::optional<std::size_t> {
        if (g == Guarantee{3, 3}) {
            return v == 22 ? 77 : 1000;
        }
        return v == 27 && g == Guarantee{3, 4} ? std::optional<std::size_t>(86) : std::nullopt;
    };
    const std::optional<SplitPlan> big = BestSplit(49, {3, 6}, published);
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(big->tickets, 163u);
    ASSERT_EQ(big->parts.size(), 2u);
    EXPECT_EQ(big->parts[0].v + big->parts[1].v, 49);
    // "t z t" cannot be split.
    EXPECT_FALSE(BestSplit(30, {3, 3}, published).has_value());

    // Small cases from the constructed systems, every drawn set checked.
    const SystemCatalog catalog(nullptr);
    const auto known = [&](int v, Guarantee g) { return catalog.Size(v, g); };
    const struct {
        int v;
        Guarantee g;
        std::size_t most;
    } cases[] = {{10, {3, 6}, 2}, {12, {3, 5}, 2}, {25, {3, 6}, 77}, {21, {3, 4}, 77}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.v) + " " + GuaranteeName(c.g));
        const std::optional<SplitPlan> plan = BestSplit(c.v, c.g, known);
        ASSERT_TRUE(plan.has_value());
        EXPECT_LE(plan->tickets, c.most);
        int allowance = 0;
        for (const SplitPart& part : plan->parts) {
            allowance += part.NeedsTickets() ? part.guarantee.m - 1 : part.v;
        }
        EXPECT_LE(allowance, c.g.m - 1);
        const Tickets tickets = SplitTickets(*plan, c.v, [&](const SplitPart& part) {
            return catalog.Find(part.v, part.guarantee).tickets;
        });
        EXPECT_LE(tickets.size(), plan->tickets);
        EXPECT_TRUE(BruteForceKeeps(tickets, AllPositions(c.v), c.g));
        EXPECT_TRUE(KeepsGuarantee(tickets, c.v, c.g));
    }
}

}  // namespace
}  // namespace kulko::test
