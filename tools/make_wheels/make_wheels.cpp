// Makes the shipped table of systems (data/systemy/systemy.txt): a long run
// of the program's own search for every guarantee from "3 z 3" to "5 z 6"
// and 7 to 20 numbers, on every core. Started from an earlier table, it
// keeps each of its systems unless the search finds a smaller one, so runs
// add up. Every system is checked before it is written.
//
//   make_wheels OUT [--od TABLE] [--sekundy S] [--ziarno N]
//
// S (default 2) is the search time for 12 numbers or fewer; it doubles for
// 13 to 16 numbers and doubles again above. Prints one line per system:
// numbers, guarantee, size, lower bound, seconds taken.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "files/in_out_error.hpp"
#include "wheels/lower_bound.hpp"
#include "wheels/verify.hpp"
#include "wheels/wheel_search.hpp"
#include "wheels/wheel_table.hpp"

using namespace kulko;

namespace {

constexpr int kFewestNumbers = 7;
constexpr int kMostNumbers = 20;

struct Job {
    int v;
    Guarantee guarantee;
};

struct Options {
    std::string out;
    std::string from;
    double seconds = 2;
    std::uint32_t seed = 1;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 < argc && arg == "--od") {
            options.from = argv[++i];
        } else if (i + 1 < argc && arg == "--sekundy") {
            options.seconds = std::atof(argv[++i]);
        } else if (i + 1 < argc && arg == "--ziarno") {
            options.seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else if (options.out.empty() && arg[0] != '-') {
            options.out = arg;
        } else {
            return false;
        }
    }
    return !options.out.empty() && options.seconds > 0;
}

double BudgetFor(int v, double seconds) {
    return v <= 12 ? seconds : v <= 16 ? 2 * seconds : 4 * seconds;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "użycie: make_wheels OUT [--od TABLE] [--sekundy S] [--ziarno N]\n";
        return 2;
    }
    WheelTable earlier;
    if (!options.from.empty()) {
        std::string damage;
        try {
            earlier = WheelTable::Load(options.from, damage);
        } catch (const InOutError& error) {
            std::cerr << options.from << ": " << error.what() << "\n";
            return 1;
        }
        if (!damage.empty()) {
            std::cerr << options.from << ": " << damage << "\n";
            return 1;
        }
    }
    std::vector<Job> jobs;
    for (int v = kMostNumbers; v >= kFewestNumbers; --v) {
        for (const Guarantee g : AllGuarantees()) {
            if (!g.Full()) {
                jobs.push_back({v, g});
            }
        }
    }
    WheelTable table;
    std::mutex lock;
    std::atomic<std::size_t> next{0};
    bool failed = false;
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const Job job = jobs[i];
            const Tickets* known = earlier.Find(job.v, job.guarantee);
            WheelSearch search(job.v, job.guarantee, options.seed + static_cast<std::uint32_t>(i),
                               known == nullptr ? Tickets{} : *known);
            using Clock = std::chrono::steady_clock;
            const Clock::time_point start = Clock::now();
            const auto budget = std::chrono::duration<double>(BudgetFor(job.v, options.seconds));
            search.Run([&] { return Clock::now() - start >= budget; });
            const double taken = std::chrono::duration<double>(Clock::now() - start).count();
            const bool keeps = KeepsGuarantee(search.Best(), job.v, job.guarantee);
            const std::lock_guard<std::mutex> held(lock);
            std::printf("%2d %s %6zu %6llu %6.1f%s\n", job.v, GuaranteeKey(job.guarantee).c_str(),
                        search.Best().size(),
                        static_cast<unsigned long long>(search.LowerBoundSize()), taken,
                        keeps ? "" : "  NIE SPEŁNIA GWARANCJI");
            std::fflush(stdout);
            failed = failed || !keeps;
            table.Put(job.v, job.guarantee, search.Best());
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < std::max(1u, std::thread::hardware_concurrency()); ++t) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    if (failed) {
        return 1;
    }
    std::ofstream out(options.out, std::ios::binary | std::ios::trunc);
    out << table.Text({"Najmniejsze systemy skrócone, jakie znalazło szukanie programu",
                       "(tools/make_wheels). Nagłówek: liczby, gwarancja TzM, liczba zakładów;",
                       "pod nim zakłady na liczbach od 1 do tylu, ile wybrano."});
    return out.good() ? 0 : 1;
}
