#include "files/text_reader.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <utility>

#include "files/in_out_error.hpp"
#include "files/line_ends.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"

namespace kulko {
namespace {

// The first read is small, so that a reader that stops early reads little;
// later ones grow up to a size that still sits in the cache when the lines
// are looked at.
constexpr std::size_t kFirstRead = std::size_t{16} << 10;
constexpr std::size_t kLargestRead = std::size_t{64} << 10;
// Bytes read at once while the rest of a long line is skipped.
constexpr std::size_t kSkipRead = std::size_t{256} << 10;

}  // namespace

TextReader::OwnedFile::OwnedFile(OwnedFile&& other) noexcept
    : fd(std::exchange(other.fd, -1)), owned(std::exchange(other.owned, false)) {}

TextReader::OwnedFile& TextReader::OwnedFile::operator=(OwnedFile&& other) noexcept {
    if (this != &other) {
        if (owned) {
            ::close(fd);
        }
        fd = std::exchange(other.fd, -1);
        owned = std::exchange(other.owned, false);
    }
    return *this;
}

TextReader::OwnedFile::~OwnedFile() {
    if (owned) {
        ::close(fd);
    }
}

TextReader::TextReader(const std::filesystem::path& path, std::size_t window)
    : fd_(OpenRegularFile(path, O_RDONLY), true),
      window_(std::max<std::size_t>(window, 1)),
      wanted_(std::min(kFirstRead, window_)) {}

TextReader::TextReader(int fd, std::uint64_t offset, std::uint64_t end, std::size_t window)
    : fd_(fd, false),
      window_(std::max<std::size_t>(window, 1)),
      bufferAt_(offset),
      start_(offset),
      end_(end),
      wanted_(std::min(kFirstRead, window_)) {}

TextReader TextReader::FromBytes(std::string bytes) {
    TextReader reader;
    reader.bytes_ = std::move(bytes);
    const void* ctrlZ = std::memchr(reader.bytes_.data(), kCtrlZ, reader.bytes_.size());
    reader.filled_ =
        ctrlZ == nullptr
            ? reader.bytes_.size()
            : static_cast<std::size_t>(static_cast<const char*>(ctrlZ) - reader.bytes_.data());
    reader.ended_ = true;
    reader.ctrlZ_ = ctrlZ != nullptr;
    return reader;
}

void TextReader::Fill() {
    if (ended_) {
        return;
    }
    // The bytes not yet taken go to the front; a line longer than what the
    // buffer has room for makes it grow, up to the window.
    const std::size_t kept = filled_ - begin_;
    if (begin_ > 0) {
        std::memmove(Data(), Data() + begin_, kept);
        bufferAt_ += begin_;
        begin_ = 0;
        filled_ = kept;
    }
    const std::size_t wanted = std::max(wanted_, kept);
    if (capacity_ - kept < wanted && capacity_ < window_) {
        const std::size_t capacity = std::min(window_, std::max(capacity_ * 2, kept + wanted));
        auto grown = std::make_unique_for_overwrite<char[]>(capacity);
        std::memcpy(grown.get(), Data(), kept);
        window_buffer_ = std::move(grown);
        capacity_ = capacity;
    }
    const std::uint64_t at = bufferAt_ + kept;
    const auto size = static_cast<std::size_t>(
        std::min<std::uint64_t>(std::min(capacity_ - kept, wanted), end_ > at ? end_ - at : 0));
    const ssize_t got =
        size == 0 ? 0 : ReadSome(Descriptor(), Data() + kept, size, static_cast<off_t>(at));
    if (got < 0) {
        throw InOutError::FromErrno(errno);
    }
    wanted_ = std::min(wanted_ * 2, std::min(kLargestRead, window_));
    const auto fresh = static_cast<std::size_t>(got);
    if (const void* ctrlZ = std::memchr(Data() + kept, kCtrlZ, fresh)) {
        filled_ = static_cast<std::size_t>(static_cast<const char*>(ctrlZ) - Data());
        ended_ = ctrlZ_ = true;
    } else {
        filled_ += fresh;
        ended_ = fresh == 0;
    }
}

bool TextReader::SkipPastLineFeed() {
    const auto chunk = std::make_unique_for_overwrite<char[]>(std::min(kSkipRead, window_));
    std::uint64_t at = bufferAt_ + filled_;
    bool text = false;
    for (bool first = true;; first = false) {
        const auto size = static_cast<std::size_t>(
            std::min<std::uint64_t>(std::min(kSkipRead, window_), end_ > at ? end_ - at : 0));
        const ssize_t got =
            size == 0 ? 0 : ReadSome(Descriptor(), chunk.get(), size, static_cast<off_t>(at));
        if (got < 0) {
            throw InOutError::FromErrno(errno);
        }
        if (got == 0) {
            ended_ = true;
            break;
        }
        const char* const bytes = chunk.get();
        const auto fresh = static_cast<std::size_t>(got);
        const auto* lf = static_cast<const char*>(std::memchr(bytes, '\n', fresh));
        const auto* ctrlZ = static_cast<const char*>(std::memchr(
            bytes, kCtrlZ, lf == nullptr ? fresh : static_cast<std::size_t>(lf - bytes)));
        text = text || (first && *bytes != '\r' && *bytes != '\n' && *bytes != kCtrlZ);
        if (ctrlZ != nullptr) {
            at += static_cast<std::uint64_t>(ctrlZ - bytes);
            lastByte_ = ctrlZ == bytes ? lastByte_ : ctrlZ[-1];
            ended_ = ctrlZ_ = true;
            break;
        }
        if (lf != nullptr) {
            at += static_cast<std::uint64_t>(lf - bytes) + 1;
            lastByte_ = '\n';
            break;
        }
        at += fresh;
        lastByte_ = bytes[fresh - 1];
    }
    // The window keeps the line or piece given; the next read starts anew.
    bufferAt_ = at;
    begin_ = filled_ = 0;
    return text;
}

bool TextReader::ReadLine(std::string_view& line) {
    cut_ = false;
    for (;;) {
        const char* const start = Data() + begin_;
        const char* const end = Data() + filled_;
        // A line is a few dozen bytes: CR and LF are looked for in one pass.
        const char* const stop = FindLineEnd(start, end);
        // Read on while the line (or the LF after its CR) may lie in what is
        // still to come and the window has room for it.
        if ((stop == end || (*stop == '\r' && stop + 1 == end)) && !ended_ &&
            filled_ - begin_ < window_) {
            Fill();
            continue;
        }
        if (start == end) {
            return false;
        }
        line = std::string_view(start, static_cast<std::size_t>(stop - start));
        if (stop == end) {
            // The text's unended last line, or a line longer than the window.
            begin_ = filled_;
            cut_ = !ended_ && SkipPastLineFeed();
            return true;
        }
        // Skip up to and including the next LF: mostly the byte after a CR.
        const char* lf = stop;
        if (*stop == '\r') {
            lf = end - stop > 1 && stop[1] == '\n'
                     ? stop + 1
                     : static_cast<const char*>(
                           std::memchr(stop, '\n', static_cast<std::size_t>(end - stop)));
        }
        if (lf != nullptr) {
            begin_ = static_cast<std::size_t>(lf - Data()) + 1;
        } else {
            begin_ = filled_;
            if (!ended_) {
                SkipPastLineFeed();
            }
        }
        return true;
    }
}

bool TextReader::NextPiece(std::string_view& piece) {
    for (;;) {
        const char* const start = Data() + begin_;
        const std::size_t size = filled_ - begin_;
        const void* lf = ended_ || size == 0 ? nullptr : ::memrchr(start, '\n', size);
        if (lf == nullptr && !ended_ && size < window_) {
            Fill();
            continue;
        }
        if (size == 0) {
            return false;
        }
        // Whole lines up to the last LF; at the end, all that is left.
        const std::size_t length =
            lf == nullptr ? size
                          : static_cast<std::size_t>(static_cast<const char*>(lf) - start) + 1;
        pieceOffset_ = bufferAt_ + begin_;
        piece = std::string_view(start, length);
        begin_ += length;
        lastByte_ = piece.back();
        if (lf == nullptr && !ended_) {
            SkipPastLineFeed();  // the window holds one line, and not all of it
        }
        return true;
    }
}

std::size_t TextReader::CountLines() {
    std::size_t count = 0;
    for (std::string_view piece; NextPiece(piece);) {
        count += CountTextLines(piece);
    }
    return count;
}

void TextReader::Rewind() {
    begin_ = 0;
    if (Descriptor() >= 0) {
        bufferAt_ = start_;
        filled_ = 0;
        ended_ = ctrlZ_ = false;
    }
}

std::size_t CountTextLines(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    return CountLineFeeds(begin, end) + (text.empty() || text.back() == '\n' ? 0 : 1);
}

}  // namespace kulko
