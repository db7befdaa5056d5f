// Makes data/systemy/constructed.txt: the systems the program knows
// without its plain search (constructions, the systems derived from them,
// the orbit systems) wherever they are smaller than the shipped table's,
// each run on through the plain search from there for a while and
// checked before it is written; the lines have the table's format.
//
//   make_constructed OUT [--tabela TABLE] [--sekundy S]
//
// It also runs the orbit search that finds the base tickets kept in
// wheels/constructions/constructed_systems.cpp:
//
//   make_constructed --orbity GROUP N CYCLES FIXED T M K SECONDS [COOLING]
//
// GROUP "c": Z_N on CYCLES rows with FIXED fixed numbers; "a": the affine
// maps of GF(N) with multipliers of order CYCLES ("a2", "a3": on two or
// three copies of the field; "s2", "s4": with automorphisms of the field
// of that order, x -> a x^(p^k) + b; "m2": Z_N with the multiplier 2,
// x -> 2^k x + b). Guarantee "T z M", K
// base tickets; the search restarts with the next seed until SECONDS have
// passed. Prints the base tickets found. With COOLING, one search cools
// over so many steps at a time and, at every system it finds, prints it
// and goes on with one base ticket fewer.
//
//   make_constructed --bloki V K T B SECONDS [COOLING [GROUP N CYCLES FIXED]]
//
// B blocks of K of the numbers 0 to V - 1 that cover every T of them (for
// AddNumbers), by the same search with no group; prints the blocks. With
// COOLING, one slow search that steps down a block at a time, as above.
// With GROUP N CYCLES FIXED after COOLING (as for --orbity), the blocks are
// whole orbits of that group and B counts the orbits; every system found
// is printed whole.
//
//   make_constructed --bloki-szukaj V K T SECONDS [SEED]
//
// Blocks of K that cover every T of V numbers, by the search for tickets
// (make_wheels' annealing) with tickets of K; prints each smaller cover.
//
//   make_constructed --trojki N
//
// The blocks of five that cover every triple of 26 + N numbers (N from 1
// to 3; TriplesByFives: S(3,5,26) and N numbers added), for --dodaj.
//
//   make_constructed --moebius Q T M [FIXED]
//
// The smallest system for Q + 1 (+ FIXED) numbers and "T z M" made of whole orbits of
// the projective group (PSL(2, Q) for odd Q, else PGL(2, Q)) on the
// projective line over GF(Q), which leaves the FIXED numbers after the
// line where they are: every orbit of tickets and of targets is
// listed, and the lightest set of ticket orbits that meets every target
// orbit is found exactly, by branch and bound. Prints its base tickets.
//
//   make_constructed --pokrycie GROUP N CYCLES FIXED T M SECONDS
//
// The same for the groups of --orbity, with a greedy choice first and the
// branch and bound until SECONDS have passed.
//
//   make_constructed --dodaj TABLE V TzT BLOCKS OUT
//
// The system for V + 1 numbers from the table's for V and the blocks of
// five that --bloki printed to the file BLOCKS (covering the (T-1)-sets of
// V numbers), each with the new number (AddNumbers); checked, and written
// to OUT in the table's format.
//
//   make_constructed --dwie-czesci TABLE A B OUT
//
// "3 z 3" for A + B numbers from two parts of A and B numbers: the table's
// systems on each, and tickets that join a triple of one part to a triple
// of the other. A part of 2N numbers is Z_N x {0, 1} (N a multiple of 3);
// one of 2N + 1 has a last number more (N a multiple of 3, or one more
// than one). One partition of it into triples that meets every difference,
// shifted N times, gives N classes that together hold every pair of the
// part (the last number either in the partition or in one more triple per
// class). Every class of each part is joined to a class of the other, so
// every pair of one part meets every number of the other. Checked, and
// written to OUT in the table's format.
//
// After --moebius or --pokrycie, "--zapisz FILE" also writes the whole system
// to FILE in the table's format: a start of another structure for
// make_wheels --z-tabeli. "--blok K" at the very end makes --pokrycie cover
// with blocks of K numbers (for --dodaj) instead of tickets of six.
#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "wheels/constructions/added_numbers.hpp"
#include "wheels/constructions/constructed_systems.hpp"
#include "wheels/constructions/galois_field.hpp"
#include "wheels/constructions/orbit_cover.hpp"
#include "wheels/constructions/orbit_search.hpp"
#include "wheels/constructions/projective_line.hpp"
#include "wheels/known_records.hpp"
#include "wheels/subsets.hpp"
#include "wheels/system_catalog.hpp"
#include "wheels/verify.hpp"
#include "wheels/wheel_search.hpp"
#include "wheels/wheel_table.hpp"

using namespace kulko;

namespace {

using Clock = std::chrono::steady_clock;

// Where --zapisz writes the system of an orbit cover; empty: nowhere.
std::string systemFile;
// The numbers of a ticket of an orbit cover: six, or fewer with "--blok K"
// for the blocks that AddNumbers takes.
int coverBlockSize = kTicketSize;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string Positions(NumberBits set) {
    std::string text;
    for (const int p : MembersOf(set)) {
        text += (text.empty() ? "" : ", ") + std::to_string(p);
    }
    return "{" + text + "}";
}

// The group and guarantee of --orbity and --pokrycie: GROUP N CYCLES FIXED T M.
NumberGroup GroupOf(char** argv) {
    const std::string kind = argv[0];
    const int n = std::atoi(argv[1]);
    const int cycles = std::atoi(argv[2]);
    const int fixed = std::atoi(argv[3]);
    // "a2", "a3": the affine maps on two or three rows; "s2", "s4": with
    // the field's automorphisms of that order.
    const int extra = kind.size() > 1 ? std::atoi(kind.c_str() + 1) : 1;
    if (kind[0] == 's') {
        return NumberGroup::Affine(n, cycles, fixed, 1, extra);
    }
    // "m2": Z_N with the multiplier 2 (x -> 2^k x + b).
    if (kind[0] == 'm') {
        return NumberGroup::Cyclic(n, cycles, fixed, extra);
    }
    return kind[0] == 'a' ? NumberGroup::Affine(n, cycles, fixed, extra)
                          : NumberGroup::Cyclic(n, cycles, fixed);
}

Guarantee GuaranteeOf(char** argv) {
    return {std::atoi(argv[4]), std::atoi(argv[5])};
}

// One system in the table's format, for a scratch table or a merge.
int WriteOneSystem(const std::string& path, int v, Guarantee guarantee, const Tickets& system,
                   const std::string& note) {
    WheelTable out;
    out.Put(v, guarantee, system);
    std::ofstream file(path, std::ios::binary);
    file << out.Text({note});
    return file ? 0 : 1;
}

void PrintBases(const Tickets& bases) {
    for (const NumberBits base : bases) {
        std::printf("%s,\n", Positions(base).c_str());
    }
}

// One long annealing that takes a base ticket away at each cover: slow
// cooling is what fits many orbits together. Prints every system found.
int StepDownOrbits(const NumberGroup& group, Guarantee guarantee, int bases, double seconds,
                   std::uint64_t cycle, int blockSize = kTicketSize) {
    const Clock::time_point start = Clock::now();
    OrbitSearch search(group, guarantee, bases, 1, blockSize);
    search.SetCooling(0.6, 0.05, cycle);
    int found = 0;
    double report = 10;
    while (SecondsSince(start) < seconds && !search.Bases().empty()) {
        if (!search.Run(100000)) {
            if (SecondsSince(start) >= report) {
                std::fprintf(stderr, "%.0f s: %zu base tickets, %llu uncovered\n", report,
                             search.Bases().size(),
                             static_cast<unsigned long long>(search.UncoveredCount()));
                report += 10;
            }
            continue;
        }
        const Tickets system = search.System();
        std::printf("%d %s %zu %s, %zu base tickets, %.1f s%s\n", group.V(),
                    GuaranteeKey(guarantee).c_str(), system.size(), group.Name().c_str(),
                    search.Bases().size(), SecondsSince(start),
                    KeepsGuarantee(system, group.V(), guarantee, blockSize) ? "" : " NOT KEPT");
        // Blocks for AddNumbers are used whole, so their system is printed.
        PrintBases(blockSize == kTicketSize ? search.Bases() : system);
        std::fflush(stdout);
        ++found;
        search.DropWeakestBase();
    }
    std::printf("best uncovered at the end: %llu\n",
                static_cast<unsigned long long>(search.UncoveredCount()));
    return found > 0 ? 0 : 1;
}

int RunOrbitSearch(char** argv) {
    const NumberGroup group = GroupOf(argv);
    const Guarantee guarantee = GuaranteeOf(argv);
    const int bases = std::atoi(argv[6]);
    const double seconds = std::atof(argv[7]);
    const std::uint64_t cycle = argv[8] == nullptr ? 0 : std::strtoull(argv[8], nullptr, 10);
    if (cycle > 0) {
        return StepDownOrbits(group, guarantee, bases, seconds, cycle);
    }
    const Clock::time_point start = Clock::now();
    for (std::uint64_t seed = 1; SecondsSince(start) < seconds; ++seed) {
        OrbitSearch search(group, guarantee, bases, seed);
        const double until = std::min(seconds, SecondsSince(start) + seconds / 3);
        while (!search.Run(20000) && SecondsSince(start) < until) {
        }
        if (!search.Covered()) {
            continue;
        }
        const Tickets system = search.System();
        std::printf("%d %s %zu %s seed %llu %.1f s%s\n", group.V(), GuaranteeKey(guarantee).c_str(),
                    system.size(), group.Name().c_str(), static_cast<unsigned long long>(seed),
                    SecondsSince(start),
                    KeepsGuarantee(system, group.V(), guarantee) ? "" : " NOT KEPT");
        PrintBases(search.Bases());
        return 0;
    }
    std::printf("%d %s: none with %d base tickets in %.0f s\n", group.V(),
                GuaranteeKey(guarantee).c_str(), bases, seconds);
    return 1;
}

int RunBlockSearch(char** argv) {
    const int v = std::atoi(argv[0]);
    const int blockSize = std::atoi(argv[1]);
    const Guarantee covered{std::atoi(argv[2]), std::atoi(argv[2])};
    const int blocks = std::atoi(argv[3]);
    const double seconds = std::atof(argv[4]);
    // With a group, blocks made of whole orbits of it, which fit far more
    // tightly than blocks found one by one.
    const bool grouped = argv[5] != nullptr && argv[6] != nullptr;
    const NumberGroup group = grouped ? GroupOf(argv + 6) : NumberGroup::Cyclic(1, v, 0);
    if (group.V() != v) {
        std::fprintf(stderr, "the group moves %d numbers, not %d\n", group.V(), v);
        return 2;
    }
    if (argv[5] != nullptr) {
        return StepDownOrbits(group, covered, blocks, seconds, std::strtoull(argv[5], nullptr, 10),
                              blockSize);
    }
    const Clock::time_point start = Clock::now();
    for (std::uint64_t seed = 1; SecondsSince(start) < seconds; ++seed) {
        OrbitSearch search(group, covered, blocks, seed, blockSize);
        const double until = std::min(seconds, SecondsSince(start) + seconds / 3);
        while (!search.Run(20000) && SecondsSince(start) < until) {
        }
        if (search.Covered()) {
            std::printf("%d blocks of %d cover the %d-sets of %d, seed %llu, %.1f s\n", blocks,
                        blockSize, covered.t, v, static_cast<unsigned long long>(seed),
                        SecondsSince(start));
            PrintBases(search.Bases());
            return 0;
        }
    }
    std::printf("%d blocks of %d: none in %.0f s\n", blocks, blockSize, seconds);
    return 1;
}

// A cover by blocks as --bloki prints it and --dodaj reads it: a line that
// says how many, then the blocks.
void PrintBlockCover(int v, Guarantee covered, const Tickets& blocks, int blockSize,
                     const std::string& how) {
    std::printf("%d %s %zu %s, %zu base tickets%s\n", v, GuaranteeKey(covered).c_str(),
                blocks.size(), how.c_str(), blocks.size(),
                KeepsGuarantee(blocks, v, covered, blockSize) ? "" : " NOT KEPT");
    PrintBases(blocks);
    std::fflush(stdout);
}

// Blocks of K found by the program's own search for tickets (the annealing
// of make_wheels, on both cores) with a ticket of K numbers, rather than by
// OrbitSearch with a group of one. Prints every smaller cover as it is
// found, in --bloki's form.
int RunPlainBlockSearch(char** argv) {
    const int v = std::atoi(argv[0]);
    const int blockSize = std::atoi(argv[1]);
    const Guarantee covered{std::atoi(argv[2]), std::atoi(argv[2])};
    const double seconds = std::atof(argv[3]);
    const auto seed = static_cast<std::uint32_t>(argv[4] != nullptr ? std::atoi(argv[4]) : 1);
    if (v < 7 || v > kMaxPool || blockSize < covered.t || blockSize > kTicketSize) {
        std::fprintf(stderr, "--bloki-szukaj: 7 to %d numbers, blocks of T to %d\n", kMaxPool,
                     kTicketSize);
        return 2;
    }
    const Clock::time_point start = Clock::now();
    WheelSearch search(v, covered, seed, {}, SearchSetup{Game{blockSize, kMaxPool}});
    std::size_t printed = 0;
    search.Run([&] {
        const Tickets& best = search.Best();
        if (!best.empty() && (printed == 0 || best.size() < printed)) {
            printed = best.size();
            char how[32];
            std::snprintf(how, sizeof how, "search (%.1f s)", SecondsSince(start));
            PrintBlockCover(v, covered, best, blockSize, how);
        }
        return SecondsSince(start) >= seconds;
    });
    return printed > 0 ? 0 : 1;
}

// The orbits of the k-element sets of v numbers under a group, each once:
// its sets. `orbit` gives the orbit of one set.
template <typename OrbitOf>
std::vector<Tickets> AllOrbits(int v, int k, OrbitOf orbit) {
    std::vector<bool> seen(Choose(v, k), false);
    std::vector<Tickets> orbits;
    for (std::uint32_t rank = 0; rank < seen.size(); ++rank) {
        if (!seen[rank]) {
            orbits.push_back(orbit(MaskOfRank(rank, k)));
            for (const NumberBits set : orbits.back()) {
                seen[MaskRank(set)] = true;
            }
        }
    }
    return orbits;
}

// Covers the targets of v numbers by whole orbits of a group and prints the
// base tickets of the lightest cover found.
template <typename OrbitOf>
int CoverByOrbits(int v, Guarantee guarantee, const std::string& group, double seconds,
                  OrbitOf orbit) {
    const std::vector<Tickets> tickets = AllOrbits(v, coverBlockSize, orbit);
    const std::vector<Tickets> targets = AllOrbits(v, guarantee.m, orbit);
    if (targets.size() > OrbitCover::Targets().size()) {
        std::printf("%d %s %s: %zu target orbits, too many\n", v, GuaranteeKey(guarantee).c_str(),
                    group.c_str(), targets.size());
        return 1;
    }
    std::vector<OrbitCover::Targets> meets;
    std::vector<std::size_t> sizes;
    for (const Tickets& ticketOrbit : tickets) {
        OrbitCover::Targets met;
        for (std::size_t j = 0; j < targets.size(); ++j) {
            for (const NumberBits ticket : ticketOrbit) {
                if (CountBits(ticket & targets[j].front()) >= guarantee.t) {
                    met.set(j);
                    break;
                }
            }
        }
        meets.push_back(met);
        sizes.push_back(ticketOrbit.size());
    }
    OrbitCover cover(std::move(meets), std::move(sizes), seconds);
    OrbitCover::Targets all;
    for (std::size_t j = 0; j < targets.size(); ++j) {
        all.set(j);
    }
    cover.Solve(all);
    Tickets system;
    for (const std::size_t i : cover.Best()) {
        system.insert(system.end(), tickets[i].begin(), tickets[i].end());
    }
    std::printf("%d %s %zu %s, %zu orbits of %zu tickets and %zu of targets%s%s\n", v,
                GuaranteeKey(guarantee).c_str(), system.size(), group.c_str(), cover.Best().size(),
                tickets.size(), targets.size(), cover.Exact() ? ", the lightest" : "",
                KeepsGuarantee(system, v, guarantee, coverBlockSize) ? "" : " NOT KEPT");
    if (coverBlockSize != kTicketSize && !system.empty()) {
        // Blocks for --dodaj, whole, in the form --bloki prints them.
        std::printf("%d %s %zu %s, %zu base tickets\n", v, GuaranteeKey(guarantee).c_str(),
                    system.size(), group.c_str(), cover.Best().size());
        PrintBases(system);
        return 0;
    }
    for (const std::size_t i : cover.Best()) {
        std::printf("%s (%zu),\n", Positions(tickets[i].front()).c_str(), tickets[i].size());
    }
    if (!systemFile.empty()) {
        return WriteOneSystem(systemFile, v, guarantee, system,
                              "System z orbit grupy " + group + " (tools/make_constructed).");
    }
    return 0;
}

int RunMoebiusCover(char** argv) {
    const int q = std::atoi(argv[0]);
    const Guarantee guarantee{std::atoi(argv[1]), std::atoi(argv[2])};
    const int fixed = argv[3] == nullptr ? 0 : std::atoi(argv[3]);
    const GaloisField field(q);
    const bool special = q % 2 == 1;
    const std::string group = std::string(special ? "PSL" : "PGL") + "(2," + std::to_string(q) +
                              ")" + (fixed > 0 ? "+" + std::to_string(fixed) : "");
    return CoverByOrbits(q + 1 + fixed, guarantee, group, 600, [&](NumberBits set) {
        return MoebiusOrbit(field, MembersOf(set), special);
    });
}

// The blocks of the last complete system in --bloki's output: the lines of
// numbers in braces after a line that says how many.
Tickets LastBlocks(std::istream& in) {
    Tickets last;
    Tickets current;
    std::size_t expected = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] != '{') {
            if (expected > 0 && current.size() == expected) {
                last = current;
            }
            current.clear();
            expected =
                line.find("base tickets") == std::string::npos ||
                        line.find("NOT KEPT") != std::string::npos
                    ? 0
                    : std::strtoul(line.c_str() + line.find(' ', line.find(' ') + 1), nullptr, 10);
            continue;
        }
        NumberBits block = 0;
        for (const char* p = line.c_str() + 1; *p != '\0' && *p != '}';) {
            char* end = nullptr;
            const long number = std::strtol(p, &end, 10);
            if (end == p || number < 0 || number >= 64) {
                block = 0;
                break;
            }
            block |= Bit(static_cast<int>(number));
            p = *end == ',' ? end + 1 : end;
        }
        if (block == 0) {
            expected = 0;  // not a list of numbers: this system is not taken
        }
        current.push_back(block);
    }
    return expected > 0 && current.size() == expected ? current : last;
}

int RunAddedNumber(char** argv) {
    const int v = std::atoi(argv[1]);
    const std::optional<Guarantee> g = ParseGuarantee(argv[2]);
    std::string damage;
    const WheelTable table = WheelTable::Load(argv[0], damage);
    std::ifstream blockFile(argv[3]);
    const Tickets blocks = LastBlocks(blockFile);
    if (!g || table.Find(v, *g) == nullptr || blocks.empty()) {
        std::fprintf(stderr, "no system of %d numbers or no blocks\n", v);
        return 1;
    }
    const Tickets system = AddNumbers(*table.Find(v, *g), v, blocks, 1);
    if (!KeepsGuarantee(system, v + 1, *g)) {
        std::fprintf(stderr, "%d %s: not kept\n", v + 1, GuaranteeKey(*g).c_str());
        return 1;
    }
    std::printf("%d %s %zu = %zu + %zu blocks\n", v + 1, GuaranteeKey(*g).c_str(), system.size(),
                table.Find(v, *g)->size(), blocks.size());
    return WriteOneSystem(argv[4], v + 1, *g, system,
                          "System z tabeli i bloków z dodaną liczbą (tools/make_constructed).");
}

// The difference of a pair of Z_n x {0, 1} (numbered x + n * row) and a
// fixed number 2n, up to the shifts x -> x + 1: within a row, the distance
// both ways; across, the step from row 0 to row 1; with the fixed number,
// the row of the other.
int PairDifference(int a, int b, int n) {
    if (a == 2 * n || b == 2 * n) {
        return 3 * n + std::min(a, b) / n;
    }
    if (a / n == b / n) {
        const int d = ((b - a) % n + n) % n;
        return (a / n) * n + std::min(d, n - d);
    }
    if (a / n == 1) {
        std::swap(a, b);
    }
    return 2 * n + ((b - a + n) % n);
}

// A partition of the numbers `free` into triples whose pairs meet every
// difference, found by backtracking; `repeats` pairs may repeat one.
bool DifferencePartition(int n, NumberBits free, std::vector<int>& met, int repeats,
                         std::vector<std::array<int, 3>>& triples) {
    if (free == 0) {
        return std::all_of(met.begin() + 1, met.end(), [&](int m) { return m > 0; });
    }
    const int a = std::countr_zero(free);
    free &= free - 1;
    for (NumberBits bs = free; bs != 0; bs &= bs - 1) {
        const int b = std::countr_zero(bs);
        for (NumberBits cs = bs & (bs - 1); cs != 0; cs &= cs - 1) {
            const int c = std::countr_zero(cs);
            const std::array<int, 3> d = {PairDifference(a, b, n), PairDifference(a, c, n),
                                          PairDifference(b, c, n)};
            int repeated = 0;
            for (const int x : d) {
                repeated += met[x]++ > 0 ? 1 : 0;
            }
            if (repeated <= repeats) {
                triples.push_back({a, b, c});
                if (DifferencePartition(n, free & ~Bit(b) & ~Bit(c), met, repeats - repeated,
                                        triples)) {
                    return true;
                }
                triples.pop_back();
            }
            for (const int x : d) {
                --met[x];
            }
        }
    }
    return false;
}

// A part of the two-part construction: Z_n x {0, 1} (positions x + n * row),
// and where its size is odd a last number 2n, which the shifts leave in
// place. Its classes, the shifts of one partition into triples that meets
// every difference, together hold every pair of the part.
struct JoinedPart {
    int size = 0;
    int n = 0;
    std::vector<std::array<int, 3>> base;
    bool lastInBase = false;  // else in one more triple per class
};

std::optional<JoinedPart> PartOf(int size) {
    JoinedPart part{size, size / 2, {}, false};
    const int n = part.n;
    if (n < 3 || (size % 2 == 0 ? n % 3 != 0 : n % 3 == 2)) {
        return std::nullopt;
    }
    // Where 2n is one short of a multiple of three, the last number is in
    // the partition, and its pairs with either row are two more differences.
    part.lastInBase = size % 2 == 1 && n % 3 == 1;
    const int partitioned = part.lastInBase ? size : 2 * n;
    // Differences: 1 to n/2 within each row (index row * n + d), n steps
    // across (2n + step), the last number's pairs (3n + row); the indices
    // that are none count as met.
    std::vector<int> met(3 * n + 2, 0);
    for (int x = n / 2 + 1; x < n; ++x) {
        met[x] = met[n + x] = 1;
    }
    met[n] = 1;
    if (!part.lastInBase) {
        met[3 * n] = met[3 * n + 1] = 1;
    }
    const int differences = 2 * (n / 2) + n + (part.lastInBase ? 2 : 0);
    if (partitioned < differences ||
        !DifferencePartition(n, Bit(partitioned) - 1, met, partitioned - differences, part.base)) {
        return std::nullopt;
    }
    return part;
}

// Class `shift` of a part, its positions moved up by `offset`.
Tickets ClassOf(const JoinedPart& part, int shift, int offset) {
    const int n = part.n;
    const auto shifted = [&](int point) {
        return offset + (point == 2 * n ? point : (point + shift) % n + (point / n) * n);
    };
    Tickets triples;
    for (const auto& t : part.base) {
        triples.push_back(Bit(shifted(t[0])) | Bit(shifted(t[1])) | Bit(shifted(t[2])));
    }
    if (part.size > 2 * n && !part.lastInBase) {  // with one pair across the rows
        triples.push_back(Bit(offset + 2 * n) | Bit(shifted(0)) | Bit(shifted(n)));
    }
    return triples;
}

int RunTwoParts(char** argv) {
    std::string damage;
    WheelTable table = WheelTable::Load(argv[0], damage);
    const SystemCatalog catalog(&table);
    const Guarantee g{3, 3};
    const std::optional<JoinedPart> first = PartOf(std::atoi(argv[1]));
    const std::optional<JoinedPart> second = PartOf(std::atoi(argv[2]));
    if (!first || !second || first->size + second->size > 49) {
        std::fprintf(stderr, "no partition of Z_n x 2 that meets every difference\n");
        return 1;
    }
    const int v = first->size + second->size;
    const Tickets inFirst = catalog.Find(first->size, g).tickets;
    const Tickets inSecond = catalog.Find(second->size, g).tickets;
    Tickets system = inFirst;
    for (const NumberBits t : inSecond) {
        system.push_back(t << first->size);
    }
    // Every class of each part is joined to a class of the other.
    for (int i = 0; i < std::max(first->n, second->n); ++i) {
        for (const NumberBits a : ClassOf(*first, i % first->n, 0)) {
            for (const NumberBits b : ClassOf(*second, i % second->n, first->size)) {
                system.push_back(a | b);
            }
        }
    }
    const bool kept = KeepsGuarantee(system, v, g);
    std::printf("%d 3z3 %zu = %zu + %zu + %zu across%s\n", v, system.size(), inFirst.size(),
                inSecond.size(), system.size() - inFirst.size() - inSecond.size(),
                kept ? "" : " NOT KEPT");
    if (!kept) {
        return 1;
    }
    return WriteOneSystem(argv[3], v, g, system,
                          "System z dwóch części i trójek łączących (tools/make_constructed).");
}

int RunGroupCover(char** argv) {
    const NumberGroup group = GroupOf(argv);
    const double seconds = std::atof(argv[6]);
    return CoverByOrbits(group.V(), GuaranteeOf(argv), group.Name(), seconds,
                         [&](NumberBits set) { return group.Orbits({set}); });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 4 && std::string(argv[argc - 2]) == "--blok") {
        coverBlockSize = std::atoi(argv[argc - 1]);
        argv[argc - 2] = nullptr;
        argc -= 2;
        if (coverBlockSize < 3 || coverBlockSize > kTicketSize) {
            std::fprintf(stderr, "--blok: from 3 to %d numbers\n", kTicketSize);
            return 2;
        }
    }
    if (argc > 4 && std::string(argv[argc - 2]) == "--zapisz") {
        systemFile = argv[argc - 1];
        argv[argc - 2] = nullptr;
        argc -= 2;
    }
    if (argc == 9 && std::string(argv[1]) == "--pokrycie") {
        return RunGroupCover(argv + 2);
    }
    if ((argc == 5 || argc == 6) && std::string(argv[1]) == "--moebius") {
        return RunMoebiusCover(argv + 2);
    }
    if ((argc == 10 || argc == 11) && std::string(argv[1]) == "--orbity") {
        return RunOrbitSearch(argv + 2);
    }
    if (argc == 6 && std::string(argv[1]) == "--dwie-czesci") {
        return RunTwoParts(argv + 2);
    }
    if (argc == 7 && std::string(argv[1]) == "--dodaj") {
        return RunAddedNumber(argv + 2);
    }
    if (argc == 3 && std::string(argv[1]) == "--trojki") {
        const int added = std::atoi(argv[2]);
        if (added < 1 || added > 3) {
            std::fprintf(stderr, "--trojki: from 1 to 3 numbers added\n");
            return 2;
        }
        PrintBlockCover(26 + added, {3, 3}, TriplesByFives(added), 5,
                        "S(3,5,26)+" + std::to_string(added));
        return 0;
    }
    if ((argc == 6 || argc == 7) && std::string(argv[1]) == "--bloki-szukaj") {
        return RunPlainBlockSearch(argv + 2);
    }
    if ((argc == 7 || argc == 8 || argc == 12) && std::string(argv[1]) == "--bloki") {
        return RunBlockSearch(argv + 2);
    }
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr,
                     "użycie: make_constructed OUT [--tabela TABELA] [--sekundy S]\n"
                     "        make_constructed --orbity c|a N CYKLE STAŁE T M K SEKUNDY\n");
        return 2;
    }
    std::string tablePath;
    double seconds = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--tabela") {
            tablePath = argv[i + 1];
        } else if (arg == "--sekundy") {
            seconds = std::atof(argv[i + 1]);
        }
    }
    WheelTable shipped;
    if (!tablePath.empty()) {
        std::string damage;
        shipped = WheelTable::Load(tablePath, damage);
    }
    const SystemCatalog alone(nullptr);
    WheelTable out;
    for (int v = 7; v <= 30; ++v) {
        for (const Guarantee g : AllGuarantees()) {
            if (g.Full()) {
                continue;
            }
            const Clock::time_point start = Clock::now();
            const SystemCatalog::Known known = alone.Find(v, g);
            const Tickets* table = shipped.Find(v, g);
            if (known.tickets.empty() ||
                (table != nullptr && table->size() <= known.tickets.size())) {
                continue;
            }
            Tickets best = known.tickets;
            if (seconds > 0) {
                WheelSearch search(v, g, 1, best);
                search.Run([&] { return SecondsSince(start) >= seconds; });
                if (!search.Best().empty() && search.Best().size() < best.size()) {
                    best = search.Best();
                }
            }
            if (!KeepsGuarantee(best, v, g)) {
                std::fprintf(stderr, "%d %s: not kept\n", v, GuaranteeKey(g).c_str());
                return 1;
            }
            const std::optional<KnownRecord> record = FindKnownRecord(v, g);
            std::printf("%d %s %zu (from %zu%s%s; record %zu) %.1f s\n", v, GuaranteeKey(g).c_str(),
                        best.size(), known.tickets.size(), known.how.empty() ? "" : ", ",
                        known.how.c_str(), record ? record->smallest : 0, SecondsSince(start));
            out.Put(v, g, best);
        }
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << out.Text({"Systemy z konstrukcji programu (tools/make_constructed), mniejsze niż",
                      "w tabeli systemów; ten sam zapis co data/systemy/systemy.txt."});
    return file ? 0 : 1;
}
