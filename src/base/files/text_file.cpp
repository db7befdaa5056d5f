#include "files/text_file.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"

namespace kulko {
namespace {

// A buffer of many megabytes is better served by the system's large pages:
// far fewer faults while it is filled. Only advice; where it is not taken
// nothing changes.
void AdviseLargePages(char* buffer, std::size_t size) {
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    const auto first =
        (reinterpret_cast<std::uintptr_t>(buffer) + kLargePage - 1) & ~(kLargePage - 1);
    const auto last = (reinterpret_cast<std::uintptr_t>(buffer) + size) & ~(kLargePage - 1);
    if (last > first) {
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

// Reads up to wanted bytes into at; fewer only at the end of the file.
std::size_t ReadInto(int fd, char* at, std::size_t wanted) {
    const ssize_t got = ReadFull(fd, at, wanted);
    if (got < 0) {
        throw InOutError::FromErrno(errno);
    }
    return static_cast<std::size_t>(got);
}

std::string ReadOpenFile(int fd) {
    // One buffer sized from the file, read straight into: the bytes are held
    // once, however long the file.
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw InOutError::FromErrno(errno);
    }
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    std::string data;
    data.reserve(size);
    AdviseLargePages(data.data(), size);
    data.resize(size);
    data.resize(ReadInto(fd, data.data(), size));
    // A file that grew since, or one whose size the system does not tell
    // beforehand, is read on to its end; the probe does not grow the buffer
    // of a file that had its size.
    char more[1 << 16];
    for (;;) {
        const std::size_t got = ReadInto(fd, more, sizeof more);
        data.append(more, got);
        if (got < sizeof more) {
            return data;
        }
    }
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    try {
        std::string data = ReadOpenFile(fd);
        ::close(fd);
        return data;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

std::vector<std::string> ReadAllLines(const std::filesystem::path& path) {
    TextReader reader(path);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

std::size_t CountLines(const std::filesystem::path& path) {
    return TextReader(path).CountLines();
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace kulko
