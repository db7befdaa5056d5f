#include "files/text_file.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "files/in_out_error.hpp"
#include "files/regular_file.hpp"

namespace kulko {
namespace {

// Reads up to wanted bytes into at; fewer only at the end of the file.
std::size_t ReadInto(int fd, char* at, std::size_t wanted) {
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ::read(fd, at + done, wanted - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw InOutError::FromErrno(errno);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

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

std::string ReadOpenFile(int fd) {
    // One buffer sized from the file, read straight into: the bytes are held
    // once, however long the file or its lines.
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
        if (got == 0) {
            return data;
        }
        data.append(more, got);
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

TextFileReader::TextFileReader(const std::filesystem::path& path) : buffer_(ReadWholeFile(path)) {
    FindEnd();
}

TextFileReader TextFileReader::FromBytes(std::string bytes) {
    TextFileReader reader;
    reader.buffer_ = std::move(bytes);
    reader.FindEnd();
    return reader;
}

void TextFileReader::FindEnd() {
    const std::size_t ctrlZ = buffer_.find(kCtrlZ);
    end_ = ctrlZ == std::string::npos ? buffer_.size() : ctrlZ;
}

bool TextFileReader::ReadLine(std::string_view& line) {
    if (pos_ >= end_) {
        return false;
    }
    const char* base = buffer_.data();
    const char* start = base + pos_;
    const std::size_t remaining = end_ - pos_;
    // The line ends at the first CR or LF. Look for the LF first and for a
    // CR only before it, so that files with LF-only or CR-only line ends
    // are still read in one pass.
    const void* lf = std::memchr(start, '\n', remaining);
    const std::size_t lineSpan =
        lf == nullptr ? remaining : static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    const void* cr = std::memchr(start, '\r', lineSpan);
    const std::size_t length =
        cr == nullptr ? lineSpan : static_cast<std::size_t>(static_cast<const char*>(cr) - start);
    line = std::string_view(start, length);
    // Skip up to and including the next LF.
    pos_ = lf == nullptr ? end_ : pos_ + lineSpan + 1;
    return true;
}

std::string TextFileReader::ReleaseBytes() {
    pos_ = end_ = 0;
    return std::move(buffer_);
}

std::size_t TextFileReader::LineCount() const {
    // Every line but an unended last one ends with the LF that closes it.
    const char* at = buffer_.data();
    const char* const end = at + end_;
    std::size_t count = 0;
    while (const void* lf = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
        ++count;
        at = static_cast<const char*>(lf) + 1;
    }
    return count + (at < end ? 1 : 0);
}

std::vector<std::string> ReadAllLines(const std::filesystem::path& path) {
    TextFileReader reader(path);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.ReadLine(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

std::size_t CountLines(const std::filesystem::path& path) {
    return TextFileReader(path).LineCount();
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
