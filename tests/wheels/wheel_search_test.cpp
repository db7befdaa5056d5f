// The annealing's bookkeeping and repeatability: the cover counts kept
// step by step agree with a count made afresh, and the same seed and the
// same work give the same system on two cores.
#include "wheels/wheel_search.hpp"

#include <gtest/gtest.h>

#include "wheels/brute_force.hpp"
#include "wheels/cover_state.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/near_tickets.hpp"
#include "wheels/verify.hpp"

namespace kulko::test {
namespace {

NumberBits RandomTicket(int v, int size, SearchRandom& random) {
    NumberBits ticket = 0;
    while (CountBits(ticket) < size) {
        ticket |= Bit(random.MemberOf(AllPositions(v) & ~ticket));
    }
    return ticket;
}

std::uint32_t Uncovered(const Tickets& tickets, int v, Guarantee g) {
    std::uint32_t uncovered = 0;
    ForEachSubset(AllPositions(v), g.m,
                  [&](NumberBits target) { uncovered += !BruteForceKeeps(tickets, target, g); });
    return uncovered;
}

TEST(CoverState, CountsKeptThroughManySwapsMatchARecount) {
    const struct {
        int v;
        Guarantee g;
        int ticketSize;
    } cases[] = {{12, {3, 3}, 6}, {14, {4, 5}, 6}, {11, {5, 6}, 6}, {13, {3, 4}, 5}};
    SearchRandom random(5);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.v) + " " + GuaranteeName(c.g) + " k" +
                     std::to_string(c.ticketSize));
        CoverState cover(c.v, c.g);
        NearTickets near(c.v, c.g.t - 1);
        Tickets tickets;
        for (int i = 0; i < 12; ++i) {
            tickets.push_back(RandomTicket(c.v, c.ticketSize, random));
            cover.Add(tickets.back());
            near.Add(tickets.back(), static_cast<std::uint32_t>(i));
        }
        cover.ListUncovered();
        std::int64_t cost = cover.UncoveredCount();
        for (int step = 0; step < 3000; ++step) {
            const auto pick = random.Below(static_cast<std::uint32_t>(tickets.size()));
            const NumberBits ticket = tickets[pick];
            const int out = random.MemberOf(ticket);
            const int in = random.MemberOf(AllPositions(c.v) & ~ticket);
            cost += cover.SwapDelta(ticket, out, in);
            cover.Swap(ticket, out, in);
            near.Swap(ticket, pick, out, in);
            tickets[pick] = (ticket & ~Bit(out)) | Bit(in);
        }
        EXPECT_EQ(cost, cover.UncoveredCount());
        EXPECT_EQ(cover.UncoveredCount(), Uncovered(tickets, c.v, c.g));
        // The list of uncovered targets holds exactly the uncovered ones,
        // and the tickets picked near one meet it in t - 1 numbers.
        for (std::uint32_t i = 0; i < cover.UncoveredCount(); ++i) {
            const NumberBits target = MaskOfRank(cover.UncoveredAt(i), c.g.m);
            EXPECT_FALSE(BruteForceKeeps(tickets, target, c.g));
            const std::uint32_t near_pick = near.Pick(target, random);
            if (near_pick != NearTickets::kNone) {
                EXPECT_EQ(CountBits(tickets[near_pick] & target), c.g.t - 1);
            }
        }
    }
}

Tickets SearchFor(int v, Guarantee g, int slices, SearchSetup setup = {}) {
    WheelSearch search(v, g, 3, {}, setup);
    int asked = 0;
    search.Run([&] { return ++asked >= slices; });
    return search.Best();
}

TEST(WheelSearch, SameSeedAndWorkGiveTheSameSystemOnTwoCores) {
    const Tickets first = SearchFor(17, {4, 4}, 30);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(SearchFor(17, {4, 4}, 30), first);
    EXPECT_TRUE(BruteForceKeeps(first, AllPositions(17), {4, 4}));
    // Run on in two parts, it ends where one run of the same work does.
    WheelSearch resumed(17, {4, 4}, 3);
    int asked = 0;
    resumed.Run([&] { return ++asked >= 12; });
    resumed.Run([&] { return ++asked >= 30; });
    EXPECT_EQ(resumed.Best(), first);
}

TEST(WheelSearch, BuildsSystemsOfOtherTicketSizesAndPools) {
    // Five-number tickets: "3 z 3" of 9 numbers needs 11 at least
    // (Schönheim), where six-number tickets need 7.
    EXPECT_EQ(SystemLowerBound(9, {3, 3}, {5, 42}).tickets, 11u);
    const Tickets system = SearchFor(9, {3, 3}, 20, SearchSetup{Game{5, 42}, 2});
    EXPECT_TRUE(BruteForceKeeps(system, AllPositions(9), {3, 3}));
    EXPECT_GE(system.size(), 11u);
    // The program's own check counts on five-number tickets too.
    EXPECT_TRUE(KeepsGuarantee(system, 9, {3, 3}, 5));
    EXPECT_FALSE(KeepsGuarantee(system, 9, {3, 3}));
    for (std::size_t i = 0; i < system.size(); ++i) {
        Tickets fewer = system;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_EQ(KeepsGuarantee(fewer, 9, {3, 3}, 5),
                  BruteForceKeeps(fewer, AllPositions(9), {3, 3}));
    }
    for (const NumberBits ticket : system) {
        EXPECT_EQ(CountBits(ticket), 5);
    }
    // A pool of up to 64 numbers: every set of up to six positions below 64
    // has a rank below C(64, k) that gives the set back.
    SearchRandom random(9);
    for (int i = 0; i < 2000; ++i) {
        const int k = 1 + static_cast<int>(random.Below(6));
        const NumberBits set = RandomTicket(64, k, random);
        EXPECT_LT(MaskRank(set), Choose(64, k));
        EXPECT_EQ(MaskOfRank(MaskRank(set), k), set);
    }
}

}  // namespace
}  // namespace kulko::test
