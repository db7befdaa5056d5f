#include "files/text_file.hpp"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "files/in_out_error.hpp"
#include "files/line_ends.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"

namespace kulko {
namespace {

// Reads up to wanted bytes into at; fewer only at the end of the file.
std::size_t ReadInto(int fd, char* at, std::size_t wanted) {
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ReadSome(fd, at + done, wanted - done);
        if (got < 0) {
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

}  // namespace

void TextFileReader::Survey::Add(const char* bytes, std::size_t offset, std::size_t size) {
    if (ctrlZ != std::string::npos) {
        return;
    }
    const void* mark = std::memchr(bytes, kCtrlZ, size);
    const std::size_t counted =
        mark == nullptr ? size : static_cast<std::size_t>(static_cast<const char*>(mark) - bytes);
    lineFeeds += CountLineFeeds(bytes, bytes + counted);
    if (mark != nullptr) {
        ctrlZ = offset + counted;
    }
}

namespace {

// Reads in chunks that still sit in the cache when the survey looks at them.
std::string ReadOpenFile(int fd, TextFileReader::Survey* survey = nullptr) {
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
    constexpr std::size_t kChunk = 1 << 18;
    std::size_t done = 0;
    for (std::size_t got = 1; got != 0 && done < size; done += got) {
        got = ReadInto(fd, data.data() + done, std::min(kChunk, size - done));
        if (survey != nullptr) {
            survey->Add(data.data() + done, done, got);
        }
    }
    data.resize(done);
    // A file that grew since, or one whose size the system does not tell
    // beforehand, is read on to its end; the probe does not grow the buffer
    // of a file that had its size.
    char more[1 << 16];
    for (;;) {
        const std::size_t got = ReadInto(fd, more, sizeof more);
        if (got == 0) {
            return data;
        }
        if (survey != nullptr) {
            survey->Add(more, data.size(), got);
        }
        data.append(more, got);
    }
}

std::string ReadFile(const std::filesystem::path& path, TextFileReader::Survey* survey) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    try {
        std::string data = ReadOpenFile(fd, survey);
        ::close(fd);
        return data;
    } catch (...) {
        ::close(fd);
        throw;
    }
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    return ReadFile(path, nullptr);
}

TextFileReader::TextFileReader(const std::filesystem::path& path) {
    Survey survey;
    buffer_ = ReadFile(path, &survey);
    Take(survey);
}

TextFileReader TextFileReader::FromBytes(std::string bytes) {
    TextFileReader reader;
    reader.buffer_ = std::move(bytes);
    Survey survey;
    survey.Add(reader.buffer_.data(), 0, reader.buffer_.size());
    reader.Take(survey);
    return reader;
}

void TextFileReader::Take(const Survey& survey) {
    end_ = std::min(survey.ctrlZ, buffer_.size());
    lineFeeds_ = survey.lineFeeds;
}

bool TextFileReader::ReadLine(std::string_view& line) {
    if (pos_ >= end_) {
        return false;
    }
    const char* start = buffer_.data() + pos_;
    const char* const end = buffer_.data() + end_;
    // The line ends at the first CR or LF; a line is a few dozen bytes, so
    // both are looked for in one pass, eight bytes at a time.
    const char* stop = FindLineEnd(start, end);
    line = std::string_view(start, static_cast<std::size_t>(stop - start));
    // Skip up to and including the next LF: mostly the byte after a CR.
    if (stop != end && *stop == '\r') {
        stop = end - stop > 1 && stop[1] == '\n'
                   ? stop + 1
                   : static_cast<const char*>(
                         std::memchr(stop, '\n', static_cast<std::size_t>(end - stop)));
    }
    pos_ =
        stop == nullptr || stop == end ? end_ : static_cast<std::size_t>(stop - buffer_.data()) + 1;
    return true;
}

std::string TextFileReader::ReleaseBytes() {
    pos_ = end_ = lineFeeds_ = 0;
    return std::move(buffer_);
}

std::size_t TextFileReader::LineCount() const {
    // Every line but an unended last one ends with the LF that closes it.
    return lineFeeds_ + (end_ > 0 && buffer_[end_ - 1] != '\n' ? 1 : 0);
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
