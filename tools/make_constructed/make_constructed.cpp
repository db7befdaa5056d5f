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
//   make_constructed --orbity GROUP N CYCLES FIXED T M K SECONDS
//
// GROUP "c": Z_N on CYCLES rows with FIXED fixed numbers; "a": the affine
// maps of GF(N) with multipliers of order CYCLES. Guarantee "T z M", K
// base tickets; the
// search restarts with the next seed until SECONDS have passed. Prints
// the base tickets found.
//
//   make_constructed --bloki V K T B SECONDS
//
// B blocks of K of the numbers 0 to V - 1 that cover every T of them (for
// AddNumbers), by the same search with no group; prints the blocks.
//
//   make_constructed --moebius Q T M [FIXED]
//
// The smallest system for Q + 1 (+ FIXED) numbers and "T z M" made of whole orbits of
// the projective group (PSL(2, Q) for odd Q, else PGL(2, Q)) on the
// projective line over GF(Q), which leaves the FIXED numbers after the
// line where they are: every orbit of tickets and of targets is
// listed, and the lightest set of ticket orbits that meets every target
// orbit is found exactly, by branch and bound. Prints its base tickets.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "wheels/constructions/galois_field.hpp"
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

int RunOrbitSearch(char** argv) {
    const std::string kind = argv[0];
    const int n = std::atoi(argv[1]);
    const int cycles = std::atoi(argv[2]);
    const int fixed = std::atoi(argv[3]);
    const Guarantee guarantee{std::atoi(argv[4]), std::atoi(argv[5])};
    const int bases = std::atoi(argv[6]);
    const double seconds = std::atof(argv[7]);
    const NumberGroup group =
        kind == "a" ? NumberGroup::Affine(n, cycles, fixed) : NumberGroup::Cyclic(n, cycles, fixed);
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
        for (const NumberBits base : search.Bases()) {
            std::printf("%s,\n", Positions(base).c_str());
        }
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
    const NumberGroup none = NumberGroup::Cyclic(1, v, 0);
    const Clock::time_point start = Clock::now();
    for (std::uint64_t seed = 1; SecondsSince(start) < seconds; ++seed) {
        OrbitSearch search(none, covered, blocks, seed, blockSize);
        const double until = std::min(seconds, SecondsSince(start) + seconds / 3);
        while (!search.Run(20000) && SecondsSince(start) < until) {
        }
        if (search.Covered()) {
            std::printf("%d blocks of %d cover the %d-sets of %d, seed %llu, %.1f s\n", blocks,
                        blockSize, covered.t, v, static_cast<unsigned long long>(seed),
                        SecondsSince(start));
            for (const NumberBits block : search.Bases()) {
                std::printf("%s,\n", Positions(block).c_str());
            }
            return 0;
        }
    }
    std::printf("%d blocks of %d: none in %.0f s\n", blocks, blockSize, seconds);
    return 1;
}

// The orbits of the k-element sets of the line, each once: its tickets.
std::vector<Tickets> AllMoebiusOrbits(const GaloisField& field, int fixed, int k, bool special) {
    const int v = field.Size() + 1 + fixed;
    std::vector<bool> seen(Choose(v, k), false);
    std::vector<Tickets> orbits;
    for (std::uint32_t rank = 0; rank < seen.size(); ++rank) {
        if (seen[rank]) {
            continue;
        }
        orbits.push_back(MoebiusOrbit(field, MembersOf(MaskOfRank(rank, k)), special));
        for (const NumberBits set : orbits.back()) {
            seen[MaskRank(set)] = true;
        }
    }
    return orbits;
}

// The lightest choice of ticket orbits whose union meets every target orbit.
struct OrbitCover {
    std::vector<std::uint64_t> meets;  // per ticket orbit, the target orbits it meets
    std::vector<std::size_t> sizes;
    std::vector<std::size_t> chosen;
    std::vector<std::size_t> best;
    std::size_t bestSize = ~std::size_t{0};

    void Search(std::uint64_t unmet, std::size_t size) {
        if (unmet == 0) {
            if (size < bestSize) {
                bestSize = size;
                best = chosen;
            }
            return;
        }
        // The unmet target orbit met by the fewest ticket orbits first.
        int hardest = -1;
        int fewest = 1 << 30;
        for (int j = 0; j < 64; ++j) {
            if ((unmet >> j & 1) == 0) {
                continue;
            }
            int count = 0;
            for (const std::uint64_t m : meets) {
                count += static_cast<int>(m >> j & 1);
            }
            if (count < fewest) {
                fewest = count;
                hardest = j;
            }
        }
        for (std::size_t i = 0; i < meets.size(); ++i) {
            if ((meets[i] >> hardest & 1) != 0 && size + sizes[i] < bestSize) {
                chosen.push_back(i);
                Search(unmet & ~meets[i], size + sizes[i]);
                chosen.pop_back();
            }
        }
    }
};

int RunMoebiusCover(char** argv) {
    const int q = std::atoi(argv[0]);
    const Guarantee guarantee{std::atoi(argv[1]), std::atoi(argv[2])};
    const GaloisField field(q);
    const int fixed = argv[3] == nullptr ? 0 : std::atoi(argv[3]);
    const bool special = q % 2 == 1;
    const int v = q + 1 + fixed;
    const std::vector<Tickets> tickets = AllMoebiusOrbits(field, fixed, kTicketSize, special);
    const std::vector<Tickets> targets = AllMoebiusOrbits(field, fixed, guarantee.m, special);
    if (targets.size() > 64) {
        std::printf("%d %s: %zu target orbits, too many\n", v, GuaranteeKey(guarantee).c_str(),
                    targets.size());
        return 1;
    }
    OrbitCover cover;
    for (const Tickets& orbit : tickets) {
        std::uint64_t meets = 0;
        for (std::size_t j = 0; j < targets.size(); ++j) {
            const NumberBits target = targets[j].front();
            for (const NumberBits ticket : orbit) {
                if (CountBits(ticket & target) >= guarantee.t) {
                    meets |= std::uint64_t{1} << j;
                    break;
                }
            }
        }
        cover.meets.push_back(meets);
        cover.sizes.push_back(orbit.size());
    }
    const std::uint64_t all =
        targets.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << targets.size()) - 1;
    cover.Search(all, 0);
    Tickets system;
    for (const std::size_t i : cover.best) {
        system.insert(system.end(), tickets[i].begin(), tickets[i].end());
    }
    std::printf("%d %s %zu %s(2,%d)+%d, %zu orbits of %zu tickets and %zu of targets%s\n", v,
                GuaranteeKey(guarantee).c_str(), system.size(), special ? "PSL" : "PGL", q, fixed,
                cover.best.size(), tickets.size(), targets.size(),
                KeepsGuarantee(system, v, guarantee) ? "" : " NOT KEPT");
    for (const std::size_t i : cover.best) {
        std::printf("%s (%zu),\n", Positions(tickets[i].front()).c_str(), tickets[i].size());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if ((argc == 5 || argc == 6) && std::string(argv[1]) == "--moebius") {
        return RunMoebiusCover(argv + 2);
    }
    if (argc == 10 && std::string(argv[1]) == "--orbity") {
        return RunOrbitSearch(argv + 2);
    }
    if (argc == 7 && std::string(argv[1]) == "--bloki") {
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
