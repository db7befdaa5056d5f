#include "common/text_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/in_out_error.hpp"

namespace kulko {
namespace {

constexpr char kCtrlZ = 26;

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw InOutError::FromErrno(errno);
    }
    std::string data;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw InOutError::FromErrno(EACCES);
    }
    if (info.st_size > 0) {
        data.reserve(static_cast<std::size_t>(info.st_size));
    }
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int error = errno;
            ::close(fd);
            throw InOutError::FromErrno(error);
        }
        if (got == 0) {
            break;
        }
        data.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return data;
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
    // memchr twice is much faster than a byte loop on large files.
    const void* cr = std::memchr(start, '\r', remaining);
    const void* lf = std::memchr(start, '\n', remaining);
    const char* stop = base + end_;
    if (cr != nullptr) {
        stop = static_cast<const char*>(cr);
    }
    if (lf != nullptr && static_cast<const char*>(lf) < stop) {
        stop = static_cast<const char*>(lf);
    }
    line = std::string_view(start, static_cast<std::size_t>(stop - start));
    // Skip up to and including the next LF.
    const std::size_t stopPos = static_cast<std::size_t>(stop - base);
    if (stopPos >= end_) {
        pos_ = end_;
    } else {
        const void* next = std::memchr(base + stopPos, '\n', end_ - stopPos);
        pos_ = next == nullptr
                   ? end_
                   : static_cast<std::size_t>(static_cast<const char*>(next) - base) + 1;
    }
    return true;
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
    TextFileReader reader(path);
    std::size_t count = 0;
    std::string_view line;
    while (reader.ReadLine(line)) {
        ++count;
    }
    return count;
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
