#include "bench_support.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <system_error>
#include <thread>
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

// The files and folders this run made, removed when it ends: each file
// holds tens of megabytes.
class MadeFiles {
  public:
    ~MadeFiles() {
        for (const auto& path : paths_) {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    }
    void Add(const std::filesystem::path& path) { paths_.push_back(path); }

  private:
    std::vector<std::filesystem::path> paths_;
};

MadeFiles& Made() {
    static MadeFiles made;
    return made;
}

std::filesystem::path Target(const std::string& kind, std::size_t lines) {
    auto path = std::filesystem::temp_directory_path() /
                ("kulko-bench-" + kind + "-" + std::to_string(lines) + "-" +
                 std::to_string(::getpid()) + ".txt");
    Made().Add(path);
    return path;
}

void WriteByte(const std::filesystem::path& file, char byte) {
    std::ofstream(file, std::ios::binary).put(byte);
}

double Seconds(const timespec& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
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

std::filesystem::path WindowDirectory(const char* name, const std::filesystem::path& history,
                                      const std::filesystem::path& drawLog) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kulko-bench-" + std::string(name) + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    Made().Add(dir);
    const auto copy = std::filesystem::copy_options::overwrite_existing;
    std::filesystem::copy_file(history, dir / "kulko.txt", copy);
    if (!drawLog.empty()) {
        std::filesystem::copy_file(drawLog, dir / "losowania_kulko.txt", copy);
    }
    // Updates and the version check off, the check of the results file on.
    WriteByte(dir / "ustalenia_kulko.dat", '\0');
    WriteByte(dir / "ustalenia_kulko_apli.dat", '\0');
    WriteByte(dir / "ustalenia_kulko_kontrola.dat", '\1');
    WriteByte(dir / "komunikat_l.113", '\0');
    return dir;
}

void WaitUntilSettled(const std::filesystem::path& file) {
    for (;;) {
        struct stat info {};
        if (::stat(file.c_str(), &info) != 0) {
            return;
        }
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const double changed = std::max(Seconds(info.st_mtim), Seconds(info.st_ctim));
        const double wait = changed + 2.05 - Seconds(now);
        if (wait <= 0) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::duration<double>(wait));
    }
}

double ThreadSeconds() {
    timespec time{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return Seconds(time);
}

std::size_t CountNewlines(const std::filesystem::path& file, std::uint64_t offset,
                          std::uint64_t length) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    static char chunk[1 << 16];
    std::size_t count = 0;
    while (length > 0) {
        const ssize_t got = ::pread(fd, chunk, std::min<std::uint64_t>(sizeof chunk, length),
                                    static_cast<off_t>(offset));
        if (got <= 0) {
            break;
        }
        offset += static_cast<std::uint64_t>(got);
        length -= static_cast<std::uint64_t>(got);
        const char* at = chunk;
        const char* const end = chunk + got;
        while (const void* lf = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
            ++count;
            at = static_cast<const char*>(lf) + 1;
        }
    }
    ::close(fd);
    return count;
}

std::uint64_t BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    return 0;
}

std::uint64_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t size = 0;
    std::uint64_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

}  // namespace kulko::bench
