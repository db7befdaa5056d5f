#include "files/text_file_stream.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/in_out_error.hpp"
#include "files/line_ends.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"
#include "files/text_file.hpp"

namespace kulko {

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 18;

}  // namespace

TextFileStream::TextFileStream(const std::filesystem::path& path)
    : fd_(OpenRegularFile(path, O_RDONLY)), buffer_(kPiece) {}

TextFileStream::~TextFileStream() {
    ::close(fd_);
}

bool TextFileStream::Fill() {
    if (ended_) {
        return false;
    }
    // The bytes not yet taken go to the front; a line longer than the
    // buffer makes it grow.
    std::memmove(buffer_.data(), buffer_.data() + begin_, filled_ - begin_);
    offset_ += begin_;
    filled_ -= begin_;
    begin_ = 0;
    if (filled_ == buffer_.size()) {
        buffer_.resize(buffer_.size() * 2);
    }
    const ssize_t got = ReadSome(fd_, buffer_.data() + filled_, buffer_.size() - filled_);
    if (got < 0) {
        throw InOutError::FromErrno(errno);
    }
    const auto fresh = static_cast<std::size_t>(got);
    const void* ctrlZ = std::memchr(buffer_.data() + filled_, kCtrlZ, fresh);
    if (got == 0 || ctrlZ != nullptr) {
        ended_ = true;
        filled_ = ctrlZ != nullptr
                      ? static_cast<std::size_t>(static_cast<const char*>(ctrlZ) - buffer_.data())
                      : filled_;
        linesEnd_ = offset_ + filled_;
        return ctrlZ != nullptr;
    }
    filled_ += fresh;
    return true;
}

void TextFileStream::SkipToLineFeed() {
    for (;;) {
        const void* lf = std::memchr(buffer_.data() + begin_, '\n', filled_ - begin_);
        if (lf != nullptr) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data()) + 1;
            break;
        }
        begin_ = filled_;
        if (!Fill()) {
            break;
        }
    }
    skipping_ = false;
}

bool TextFileStream::ReadLine(std::string_view& line) {
    if (skipping_) {
        SkipToLineFeed();
    }
    for (;;) {
        const char* const start = buffer_.data() + begin_;
        const char* const end = buffer_.data() + filled_;
        const char* const stop = FindLineEnd(start, end);
        if (stop == end && !ended_) {
            Fill();
            continue;
        }
        if (start == end) {
            return false;
        }
        line = std::string_view(start, static_cast<std::size_t>(stop - start));
        begin_ = static_cast<std::size_t>(stop - buffer_.data());
        if (stop == end) {
            return true;
        }
        if (*stop == '\n') {
            ++begin_;
        } else if (stop + 1 < end && stop[1] == '\n') {
            begin_ += 2;
        } else {
            // The LF may lie in what is still to be read; the line must stay
            // where it is until the next call.
            ++begin_;
            skipping_ = true;
        }
        return true;
    }
}

}  // namespace kulko
