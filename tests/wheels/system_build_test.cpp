// Systems built by the search keep their guarantee, reach the known smallest
// sizes, and come out the same for the same seed and run length.
#include "wheels/system_build.hpp"

#include <gtest/gtest.h>

#include "wheels/brute_force.hpp"
#include "wheels/number_choice.hpp"
#include "wheels/verify.hpp"

namespace kulko::test {
namespace {

NumberBits Numbers(const char* text) {
    const NumberChoice choice = ParseNumberChoice(text);
    EXPECT_EQ(choice.error, "");
    return choice.numbers;
}

// Runs the search for a number of its checks (about a millisecond each).
BuiltSystem Build(NumberBits numbers, Guarantee g, int checks, std::uint32_t seed = 1,
                  const WheelTable* table = nullptr) {
    SystemBuild build(numbers, g, seed, table);
    int asked = 0;
    build.Run([&] { return ++asked >= checks; });
    EXPECT_TRUE(build.HasSystem());
    return build.Result();
}

TEST(SystemBuild, EverySampledSystemKeepsItsGuaranteeByBruteForce) {
    const struct {
        const char* numbers;
        Guarantee g;
    } samples[] = {
        {"1-7", {3, 3}},   {"2;4;6;8;10;12;14;16", {4, 4}}, {"1-10", {3, 6}},
        {"5-15", {4, 5}},  {"1;3;7-12;40-45", {3, 4}},      {"30-42", {5, 6}},
        {"1-12", {5, 5}},  {"10-19", kFullSystem},          {"1-14", {4, 6}},
        {"20-35", {3, 5}},
    };
    for (const auto& sample : samples) {
        SCOPED_TRACE(std::string(sample.numbers) + " " + GuaranteeName(sample.g));
        const NumberBits numbers = Numbers(sample.numbers);
        const BuiltSystem system = Build(numbers, sample.g, 3);
        EXPECT_TRUE(system.keepsGuarantee);
        EXPECT_TRUE(BruteForceKeeps(system.tickets, numbers, sample.g));
        for (const NumberBits ticket : system.tickets) {
            EXPECT_EQ(CountBits(ticket), 6);
            EXPECT_EQ(ticket & ~numbers, 0u) << NumberBitsText(ticket);
        }
        EXPECT_GE(system.tickets.size(), system.bound.tickets);
    }
}

TEST(SystemBuild, ReachesTheKnownSmallestSizes) {
    const struct {
        const char* numbers;
        Guarantee g;
        std::size_t smallest;
    } known[] = {
        {"1-7", {3, 3}, 4},
        {"1-7", {5, 5}, 6},
        {"1-8", {5, 5}, 12},
        {"1-12", {3, 6}, 2},
        {"1-7", {6, 6}, 7},
        {"1-11", {3, 3}, 11},
        // The Steiner systems, at once.
        {"1-22", {3, 3}, 77},
        {"11-36", {3, 3}, 130},
        {"5-16", {5, 5}, 132},
    };
    for (const auto& k : known) {
        SCOPED_TRACE(std::string(k.numbers) + " " + GuaranteeName(k.g));
        // Each reaches its lower bound, where the search ends by itself.
        const BuiltSystem system = Build(Numbers(k.numbers), k.g, 1000000);
        EXPECT_EQ(system.tickets.size(), k.smallest);
        EXPECT_TRUE(system.keepsGuarantee);
    }
}

TEST(SystemBuild, SameSeedAndRunLengthGiveTheSameSystem) {
    const NumberBits numbers = Numbers("3-18");
    const BuiltSystem first = Build(numbers, {4, 5}, 12, 7);
    EXPECT_EQ(Build(numbers, {4, 5}, 12, 7).tickets, first.tickets);
    // Run on in two parts, it ends where one run of the same length does.
    SystemBuild resumed(numbers, {4, 5}, 7, nullptr);
    int asked = 0;
    resumed.Run([&] { return ++asked >= 5; });
    resumed.Run([&] { return ++asked >= 12; });
    EXPECT_EQ(resumed.Result().tickets, first.tickets);
}

TEST(SystemBuild, TheShippedSystemIsUsedWhereNoSmallerIsFound) {
    // A shipped system for 9 numbers "3 z 3" of 8 tickets (the smallest is 7).
    const NumberBits nine = Numbers("1-9");
    const BuiltSystem found = Build(nine, {3, 3}, 1);
    WheelTable table;
    Tickets shipped = NumbersToPositions(found.tickets, nine);
    table.Put(9, {3, 3}, shipped);
    // On other numbers the same positions apply; a search given no time at
    // all keeps the shipped system, one given time goes below it.
    const NumberBits other = Numbers("11;13;20-24;40;49");
    const BuiltSystem quick = Build(other, {3, 3}, 1, 1, &table);
    EXPECT_LE(quick.tickets.size(), shipped.size());
    EXPECT_TRUE(BruteForceKeeps(quick.tickets, other, {3, 3}));
    // A broken shipped system is never used.
    shipped.pop_back();
    shipped.pop_back();
    table.Put(9, {3, 3}, shipped);
    const BuiltSystem mended = Build(other, {3, 3}, 3, 1, &table);
    EXPECT_FALSE(mended.fromTable);
    EXPECT_TRUE(BruteForceKeeps(mended.tickets, other, {3, 3}));
}

TEST(SystemBuild, ManyNumbersAreSplitIntoPartsThatStillKeepTheGuarantee) {
    // 33 numbers "3 z 6" are searched on the parts of the best split.
    const NumberBits numbers = Numbers("1-33");
    SystemBuild build(numbers, {3, 6}, 1, nullptr);
    ASSERT_TRUE(build.Split().has_value());
    build.Run([&] { return build.HasSystem(); });
    const BuiltSystem system = build.Result();
    EXPECT_TRUE(system.keepsGuarantee);
    EXPECT_EQ(system.hits.Guaranteed(6), 3);
    EXPECT_LE(system.tickets.size(), build.Split()->tickets);
    // Each ticket lies within a part, or holds all of a small part.
    for (const NumberBits ticket : system.tickets) {
        bool within = false;
        for (const SplitPart& part : build.Split()->parts) {
            const NumberBits partNumbers = AllPositions(part.v) << (part.first + 1);
            within = within || (part.v > 6 ? (ticket & partNumbers) == ticket
                                           : (ticket & partNumbers) == partNumbers);
        }
        EXPECT_TRUE(within) << NumberBitsText(ticket);
    }
}

TEST(SystemBuild, RefusesWhatCannotBeBuilt) {
    EXPECT_EQ(RefusalOf(Numbers("1-6"), {3, 3}), "Wybierz co najmniej 7 liczb (wybrano 6).");
    EXPECT_NE(RefusalOf(Numbers("1-10"), {2, 6}), "");
    EXPECT_NE(RefusalOf(Numbers("1-10"), {5, 4}), "");
    EXPECT_NE(RefusalOf(Numbers("1-49"), kFullSystem), "");
    EXPECT_NE(RefusalOf(Numbers("1-49"), {5, 5}), "");
    EXPECT_EQ(RefusalOf(Numbers("1-22"), kFullSystem), "");
    EXPECT_EQ(RefusalOf(Numbers("1-49"), {3, 6}), "");
}

TEST(KeepsGuarantee, FindsTheOneTargetABrokenSystemMisses) {
    const NumberBits numbers = Numbers("1-8");
    const BuiltSystem system = Build(numbers, {5, 5}, 1000000);
    const Tickets positions = NumbersToPositions(system.tickets, numbers);
    for (std::size_t drop = 0; drop < positions.size(); ++drop) {
        Tickets broken = positions;
        broken.erase(broken.begin() + static_cast<std::ptrdiff_t>(drop));
        EXPECT_FALSE(KeepsGuarantee(broken, 8, {5, 5}));
        EXPECT_FALSE(BruteForceKeeps(broken, AllPositions(8), {5, 5}));
    }
    Tickets badTicket = positions;
    badTicket[0] |= Bit(8);  // seven numbers, one outside
    EXPECT_FALSE(KeepsGuarantee(badTicket, 8, {5, 5}));
}

}  // namespace
}  // namespace kulko::test
