// Improves the shipped table of systems (data/systemy/systemy.txt): a long
// run of the program's own search for each chosen cell (numbers and
// guarantee), both cores on one cell at a time. It starts from the table's
// system where there is one and replaces it only by a smaller system that
// the exhaustive check proves, writing the table anew after every
// improvement, so runs may be stopped at any time and add up.
//
//   make_wheels TABLE [--liczby A-B] [--gwarancje 3z3,4z4,...] [--sekundy S]
//                     [--ziarno N] [--z-tabeli] [--z-liczb N]
//
// Numbers 7 to 30 and every guarantee from "3 z 3" to "5 z 6" unless
// chosen; S (default 10) seconds of search per cell. With --z-tabeli the
// search starts from the table's own system even where the program knows a
// smaller one: a larger system of another structure, put into a scratch
// table, may lead the search further. With --z-liczb N it starts from the
// smallest system known for N numbers with the numbers above each cell's
// left out: a Steiner system so cut down (5 z 5 of 23 numbers from the
// 7,084 tickets of S(5,6,24)) leads the search much further than its own
// systems do. Prints one line per
// cell: numbers, guarantee, size before, size after, lower bound, seconds.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "files/in_out_error.hpp"
#include "wheels/constructions/derived_systems.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/system_catalog.hpp"
#include "wheels/verify.hpp"
#include "wheels/wheel_search.hpp"
#include "wheels/wheel_table.hpp"

using namespace kulko;

namespace {

struct Options {
    std::string table;
    int fewest = 7;
    int most = 30;
    std::vector<Guarantee> guarantees;
    double seconds = 10;
    std::uint32_t seed = 1;
    bool fromTable = false;
    int from = 0;  // --z-liczb: the cell for so many numbers, cut down
};

bool ParseGuarantees(const std::string& text, std::vector<Guarantee>& guarantees) {
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');) {
        const std::optional<Guarantee> g = ParseGuarantee(item);
        if (!g || !Fits(*g) || g->Full()) {
            return false;
        }
        guarantees.push_back(*g);
    }
    return !guarantees.empty();
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool valued = i + 1 < argc;
        if (valued && arg == "--liczby") {
            const std::string range = argv[++i];
            if (std::sscanf(range.c_str(), "%d-%d", &options.fewest, &options.most) != 2) {
                options.most = options.fewest = std::atoi(range.c_str());
            }
        } else if (valued && arg == "--gwarancje") {
            if (!ParseGuarantees(argv[++i], options.guarantees)) {
                return false;
            }
        } else if (valued && arg == "--sekundy") {
            options.seconds = std::atof(argv[++i]);
        } else if (valued && arg == "--ziarno") {
            options.seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (valued && arg == "--z-liczb") {
            options.from = std::atoi(argv[++i]);
        } else if (arg == "--z-tabeli") {
            options.fromTable = true;
        } else if (options.table.empty() && arg[0] != '-') {
            options.table = arg;
        } else {
            return false;
        }
    }
    if (options.guarantees.empty()) {
        for (const Guarantee g : AllGuarantees()) {
            if (!g.Full()) {
                options.guarantees.push_back(g);
            }
        }
    }
    return !options.table.empty() && options.seconds > 0 && options.fewest >= 7 &&
           options.fewest <= options.most && options.most <= 49 &&
           (options.from == 0 || (options.from > options.most && options.from <= 49));
}

const std::vector<std::string> kNotes = {
    "Najmniejsze systemy skrócone, jakie znalazło szukanie programu",
    "(tools/make_wheels). Nagłówek: liczby, gwarancja TzM, liczba zakładów;",
    "pod nim zakłady na liczbach od 1 do tylu, ile wybrano."};

// Written beside the table and moved over it, so that a stopped run never
// leaves half a table.
bool Write(const WheelTable& table, const std::string& path) {
    const std::string fresh = path + ".nowa";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out << table.Text(kNotes);
        if (!out.good()) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(fresh, path, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "użycie: make_wheels TABLE [--liczby A-B] [--gwarancje 3z3,4z4,...] "
                     "[--sekundy S] [--ziarno N] [--z-tabeli] [--z-liczb N]\n";
        return 2;
    }
    WheelTable table;
    if (std::filesystem::exists(options.table)) {
        std::string damage;
        try {
            table = WheelTable::Load(options.table, damage);
        } catch (const InOutError& error) {
            std::cerr << options.table << ": " << error.what() << "\n";
            return 1;
        }
        if (!damage.empty()) {
            std::cerr << options.table << ": " << damage << "\n";
            return 1;
        }
    }
    for (int v = options.fewest; v <= options.most; ++v) {
        for (const Guarantee g : options.guarantees) {
            const Tickets* listed = table.Find(v, g);
            const std::size_t before = listed == nullptr ? 0 : listed->size();
            // The search starts from the smallest system the program knows:
            // the table's, or one constructed or derived from a larger one,
            // which the table then takes even if the search finds nothing
            // smaller.
            const SystemCatalog catalog(&table);
            const Tickets known =
                options.from > 0 ? DropNumbers(catalog.Find(options.from, g).tickets, options.from,
                                               options.from - v, g)
                : options.fromTable && listed != nullptr ? *listed
                                                         : catalog.Find(v, g).tickets;
            WheelSearch search(
                v, g, options.seed + static_cast<std::uint32_t>(v * 100 + g.t * 10 + g.m), known);
            using Clock = std::chrono::steady_clock;
            const Clock::time_point start = Clock::now();
            const auto budget = std::chrono::duration<double>(options.seconds);
            search.Run([&] { return Clock::now() - start >= budget; });
            const double taken = std::chrono::duration<double>(Clock::now() - start).count();
            const Tickets& found = search.Best().empty() || search.Best().size() > known.size()
                                       ? known
                                       : search.Best();
            const bool smaller = !found.empty() && (before == 0 || found.size() < before);
            const bool keeps = smaller && KeepsGuarantee(found, v, g);
            std::printf("%2d %s %6zu %6zu %6llu %7.1f%s\n", v, GuaranteeKey(g).c_str(), before,
                        found.size(), static_cast<unsigned long long>(search.LowerBoundSize()),
                        taken, smaller && !keeps ? "  NIE SPEŁNIA GWARANCJI" : "");
            std::fflush(stdout);
            if (keeps) {
                table.Put(v, g, found);
                if (!Write(table, options.table)) {
                    std::cerr << options.table << ": nie można zapisać\n";
                    return 1;
                }
            }
        }
    }
    return 0;
}
