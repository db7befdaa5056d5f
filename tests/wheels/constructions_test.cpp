// The constructed systems: the fields they are built over, the designs,
// the systems derived from them and the orbit search, each system checked
// by the program's exhaustive check.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "wheels/brute_force.hpp"
#include "wheels/constructions/constructed_systems.hpp"
#include "wheels/constructions/derived_systems.hpp"
#include "wheels/constructions/galois_field.hpp"
#include "wheels/constructions/orbit_cover.hpp"
#include "wheels/constructions/orbit_search.hpp"
#include "wheels/constructions/steiner_systems.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/system_catalog.hpp"
#include "wheels/verify.hpp"
#include "wheels/wheel_table.hpp"

namespace kulko::test {
namespace {

TEST(GaloisField, EveryOrderIsAField) {
    // A reducible modulus would leave some element without an inverse.
    for (const int q : {4, 8, 9, 11, 16, 25, 27, 49, 64}) {
        SCOPED_TRACE(q);
        const GaloisField f(q);
        for (int a = 0; a < q; ++a) {
            EXPECT_EQ(f.Add(a, f.Neg(a)), 0);
            if (a != 0) {
                EXPECT_EQ(f.Mul(a, f.Inv(a)), 1);
            }
            for (int b = 0; b < q; ++b) {
                for (const int c : {1, q - 1, q / 2}) {
                    EXPECT_EQ(f.Mul(a, f.Add(b, c)), f.Add(f.Mul(a, b), f.Mul(a, c)));
                    EXPECT_EQ(f.Mul(f.Mul(a, b), c), f.Mul(a, f.Mul(b, c)));
                }
            }
        }
    }
    EXPECT_FALSE(IsFieldOrder(6));
    EXPECT_FALSE(IsFieldOrder(81));
}

TEST(SteinerSystems, EachIsTheSmallestPossibleAndKeepsItsGuarantee) {
    const struct {
        Tickets tickets;
        int v;
        Guarantee g;
        std::size_t size;
    } designs[] = {{SteinerSystem5of12(), 12, {5, 5}, 132},
                   {SteinerSystem3of22(), 22, {3, 3}, 77},
                   {SteinerSystem3of26(), 26, {3, 3}, 130}};
    for (const auto& d : designs) {
        SCOPED_TRACE(d.v);
        EXPECT_EQ(d.tickets.size(), d.size);
        EXPECT_EQ(SystemLowerBound(d.v, d.g).tickets, d.size);
        EXPECT_TRUE(KeepsGuarantee(d.tickets, d.v, d.g));
    }
}

TEST(ConstructedSystems, EveryOneAndThoseDerivedFromItKeepTheGuarantee) {
    const SystemCatalog catalog(nullptr);
    for (const auto& [v, g] : ConstructedCells()) {
        SCOPED_TRACE(std::to_string(v) + " " + GuaranteeName(g));
        const auto system = FindConstructedSystem(v, g);
        ASSERT_TRUE(system.has_value());
        EXPECT_TRUE(KeepsGuarantee(system->tickets, v, g));
        for (int fewer = v - 1; fewer >= v - 2; --fewer) {
            const SystemCatalog::Known derived = catalog.Find(fewer, g);
            EXPECT_LE(derived.tickets.size(), system->tickets.size());
            EXPECT_TRUE(KeepsGuarantee(derived.tickets, fewer, g)) << fewer;
        }
    }
    // At the records: 21 numbers "3 z 3" from 22; 23 and 27 with a number
    // added to S(3,6,22) and S(3,6,26).
    EXPECT_EQ(catalog.Size(21, {3, 3}), 77u);
    EXPECT_EQ(catalog.Size(23, {3, 3}), 104u);
    EXPECT_EQ(catalog.Size(27, {3, 3}), 167u);
    EXPECT_EQ(catalog.Size(24, {5, 5}), 7084u);  // S(5,6,24), at the lower bound
    EXPECT_EQ(catalog.Size(24, {4, 4}), 784u);   // AGL(1,8) on three copies of GF(8)
    // And with a number added through their derived designs, at the bound too.
    EXPECT_EQ(catalog.Size(28, {4, 4}), SystemLowerBound(28, {4, 4}).tickets);
    EXPECT_EQ(catalog.Size(25, {5, 5}), SystemLowerBound(25, {5, 5}).tickets);
    const Tickets twenty = DropNumbers(SteinerSystem3of22(), 22, 2, {3, 3});
    EXPECT_TRUE(BruteForceKeeps(twenty, AllPositions(20), {3, 3}));
    EXPECT_LE(twenty.size(), 77u);
}

TEST(ConstructedSystems, TheWrittenFileKeepsEveryGuarantee) {
    // The constructed systems as make_constructed writes them for the table.
    std::string damage;
    const WheelTable file = WheelTable::Load(
        std::filesystem::path(KULKO_SHIPPED_TABLE).parent_path() / "constructed.txt", damage);
    EXPECT_EQ(damage, "");
    EXPECT_FALSE(file.Empty());
    for (const WheelTable::Entry& entry : file.Entries()) {
        SCOPED_TRACE(std::to_string(entry.v) + " " + GuaranteeName(entry.guarantee));
        EXPECT_TRUE(KeepsGuarantee(*entry.tickets, entry.v, entry.guarantee));
    }
}

TEST(OrbitCover, TheLightestIsTheLightestOfAllChoices) {
    // Random covering problems small enough to try every choice of orbits:
    // a bound or a left-out branch that cut off the lightest would show.
    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        const std::size_t columns = 12;
        const std::size_t targets = 10;
        std::vector<OrbitCover::Targets> meets(columns);
        std::vector<std::size_t> sizes(columns);
        OrbitCover::Targets all;
        for (std::size_t j = 0; j < targets; ++j) {
            all.set(j);
        }
        for (std::size_t i = 0; i < columns; ++i) {
            sizes[i] = 1 + random() % 9;
            for (std::size_t j = 0; j < targets; ++j) {
                meets[i][j] = random() % 3 == 0;
            }
        }
        std::size_t lightest = ~std::size_t{0};
        for (std::uint32_t choice = 0; choice < (1u << columns); ++choice) {
            OrbitCover::Targets met;
            std::size_t size = 0;
            for (std::size_t i = 0; i < columns; ++i) {
                if (choice >> i & 1) {
                    met |= meets[i];
                    size += sizes[i];
                }
            }
            if (met == all) {
                lightest = std::min(lightest, size);
            }
        }
        OrbitCover cover(meets, sizes, 10);
        cover.Solve(all);
        if (lightest == ~std::size_t{0}) {
            EXPECT_TRUE(cover.Best().empty());
            continue;
        }
        std::size_t size = 0;
        for (const std::size_t i : cover.Best()) {
            size += sizes[i];
        }
        EXPECT_TRUE(cover.Exact());
        EXPECT_EQ(size, lightest) << round;
    }
}

TEST(OrbitSearch, FindsASystemOfWholeOrbits) {
    const NumberGroup group = NumberGroup::Cyclic(7, 2, 0);
    OrbitSearch search(group, {3, 3}, 4, 1);
    ASSERT_TRUE(search.Run(2000000));
    const Tickets system = search.System();
    EXPECT_LE(system.size(), 28u);
    EXPECT_TRUE(BruteForceKeeps(system, AllPositions(14), {3, 3}));
    // Turning every ticket by the group gives tickets of the system.
    for (const NumberBits ticket : system) {
        const NumberBits turned = group.Image(1, ticket);
        EXPECT_NE(std::find(system.begin(), system.end(), turned), system.end());
        EXPECT_EQ(turned & Bit(0), (ticket & Bit(6)) >> 6);
    }
    // Taking the weakest base ticket away, and annealing on, keeps the
    // count of unmet targets true to the system.
    search.SetCooling(0.6, 0.05, 5000);
    search.DropWeakestBase();
    ASSERT_EQ(search.Bases().size(), 3u);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(search.UncoveredCount(),
                  BruteForceUnmet(search.System(), AllPositions(14), {3, 3}));
        search.Run(3000);
    }
    const NumberGroup affine = NumberGroup::Affine(25, 6, 1);
    EXPECT_EQ(affine.Order(), 150u);
    EXPECT_EQ(affine.V(), 26);
    // On two copies of GF(16), each map moves both rows alike.
    const NumberGroup rows = NumberGroup::Affine(16, 15, 1, 2);
    EXPECT_EQ(rows.V(), 33);
    for (std::size_t e = 0; e < rows.Order(); ++e) {
        EXPECT_EQ(rows.ImageOf(e, 16 + 5), 16 + rows.ImageOf(e, 5));
    }
    // With the field's automorphism x -> x^4, and Z21 with its multiplier
    // 2, still groups: the product of any two maps is one of them.
    const NumberGroup semilinear = NumberGroup::Affine(16, 5, 1, 1, 2);
    const NumberGroup singer = NumberGroup::Cyclic(21, 1, 1, 2);
    ASSERT_EQ(semilinear.Order(), 160u);
    ASSERT_EQ(singer.Order(), 126u);
    for (const NumberGroup* group : {&semilinear, &singer}) {
        std::vector<NumberBits> images;
        const NumberBits probe = Bit(1) | Bit(2) | Bit(4) | Bit(7) | Bit(11) | Bit(16);
        for (std::size_t e = 0; e < group->Order(); ++e) {
            images.push_back(group->Image(e, probe));
        }
        for (std::size_t e = 0; e < group->Order(); ++e) {
            for (std::size_t f = 0; f < group->Order(); f += 7) {
                const NumberBits twice = group->Image(e, images[f]);
                EXPECT_NE(std::find(images.begin(), images.end(), twice), images.end());
            }
        }
    }
}

}  // namespace
}  // namespace kulko::test
