#include "common/text_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/in_out_error.hpp"
#include "common/regular_file.hpp"

namespace kulko {
namespace {

constexpr char kCtrlZ = 26;

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    std::string data;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
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
