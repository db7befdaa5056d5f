#include "bench_support.hpp"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace kulko::bench {
namespace {

std::array<int, 6> RandomSet(std::mt19937& random) {
    std::array<int, 49> all{};
    std::iota(all.begin(), all.end(), 1);
    std::shuffle(all.begin(), all.end(), random);
    std::array<int, 6> set{};
    std::copy_n(all.begin(), 6, set.begin());
    std::sort(set.begin(), set.end());
    return set;
}

// The files this run made, removed when it ends: each holds tens of
// megabytes.
class MadeFiles {
  public:
    ~MadeFiles() {
        for (const auto& path : paths_) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    }
    void Add(const std::filesystem::path& path) { paths_.push_back(path); }

  private:
    std::vector<std::filesystem::path> paths_;
};

std::filesystem::path Target(const char* kind, std::size_t lines) {
    static MadeFiles made;
    auto path = std::filesystem::temp_directory_path() /
                ("kulko-bench-" + std::string(kind) + "-" + std::to_string(lines) + "-" +
                 std::to_string(::getpid()) + ".txt");
    made.Add(path);
    return path;
}

}  // namespace

std::filesystem::path SyntheticHistory(std::size_t lines) {
    const auto path = Target("history", lines);
    if (std::filesystem::exists(path)) {
        return path;
    }
    std::mt19937 random(42);
    std::ofstream out(path, std::ios::binary);
    char buffer[96];
    for (std::size_t i = 1; i <= lines; ++i) {
        const auto set = RandomSet(random);
        const int day = static_cast<int>(i % 28) + 1;
        const int month = static_cast<int>(i / 28 % 12) + 1;
        const int year = 1957 + static_cast<int>(i / 336 % 70);
        const int length =
            std::snprintf(buffer, sizeof buffer, "%04zu;%02d.%02d.%04d;%d;%d;%d;%d;%d;%d\r\n", i,
                          day, month, year, set[0], set[1], set[2], set[3], set[4], set[5]);
        out.write(buffer, length);
    }
    return path;
}

std::filesystem::path SyntheticDrawLog(std::size_t lines) {
    const auto path = Target("drawlog", lines);
    if (std::filesystem::exists(path)) {
        return path;
    }
    std::mt19937 random(7);
    std::ofstream out(path, std::ios::binary);
    char buffer[64];
    for (std::size_t i = 0; i < lines; ++i) {
        const auto set = RandomSet(random);
        const int length = std::snprintf(buffer, sizeof buffer, "%d;%d;%d;%d;%d;%d\r\n", set[0],
                                         set[1], set[2], set[3], set[4], set[5]);
        out.write(buffer, length);
    }
    return path;
}

}  // namespace kulko::bench
