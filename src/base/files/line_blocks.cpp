#include "files/line_blocks.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "files/in_out_error.hpp"
#include "files/read_some.hpp"
#include "files/regular_file.hpp"
#include "files/text_file.hpp"

namespace kulko {

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path)
    : fd_(OpenRegularFile(path, O_RDONLY)) {
    try {
        opened_ = FileIdentity::Of(fd_);
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

ReadOnlyFile::~ReadOnlyFile() {
    ::close(fd_);
}

LineBlocks::LineBlocks(int fd, std::uint64_t offset, std::uint64_t end)
    : fd_(fd), fileOffset_(offset), end_(end), pieceOffset_(offset) {}

std::size_t LineBlocks::BytesToLineEnd() const {
    // A look ahead at a line longer than half the buffer, so that the
    // buffer grows once to hold it all: a file of one huge line is held
    // once, never in a buffer twice its size, nor in several on the way.
    constexpr std::size_t kLook = std::size_t{64} << 10;
    const auto look = std::make_unique_for_overwrite<char[]>(kLook);
    std::uint64_t at = fileOffset_;
    for (;;) {
        const ssize_t got = ReadSome(fd_, look.get(), kLook, static_cast<off_t>(at));
        if (got <= 0) {
            return static_cast<std::size_t>(at - fileOffset_);
        }
        const auto size = static_cast<std::size_t>(got);
        const void* lf = std::memchr(look.get(), '\n', size);
        const void* ctrlZ = std::memchr(look.get(), kCtrlZ, size);
        if (lf != nullptr || ctrlZ != nullptr) {
            const char* stop = static_cast<const char*>(lf == nullptr ? ctrlZ : lf);
            if (ctrlZ != nullptr && ctrlZ < lf) {
                stop = static_cast<const char*>(ctrlZ);
            }
            return static_cast<std::size_t>(at - fileOffset_) +
                   static_cast<std::size_t>(stop - look.get()) + 1;
        }
        at += size;
    }
}

std::size_t LineBlocks::ReadMore(std::size_t kept) {
    if (capacity_ == 0 || capacity_ - kept < wanted_) {
        // The first read, reads that grow, or a long line.
        const std::size_t capacity = kept > 0 && kept >= capacity_ / 2
                                         ? kept + BytesToLineEnd() + kFirstPiece
                                         : std::max(capacity_ * 2, kept + wanted_);
        if (capacity > capacity_) {
            auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
            std::copy_n(buffer_.get() + carriedAt_, kept, buffer.get());
            buffer_ = std::move(buffer);
            capacity_ = capacity;
            carriedAt_ = 0;
        }
    }
    if (carriedAt_ > 0) {
        std::copy_n(buffer_.get() + carriedAt_, kept, buffer_.get());
        carriedAt_ = 0;
    }
    // A long line is read to its end; otherwise a piece of the size wanted.
    const std::size_t room = capacity_ - kept;
    const std::size_t size = static_cast<std::size_t>(
        std::min<std::uint64_t>(kept >= capacity_ / 2 ? room : std::min(room, wanted_),
                                end_ > fileOffset_ ? end_ - fileOffset_ : 0));
    if (size == 0) {
        return 0;  // at the end reading was meant to stop
    }
    const ssize_t got = ReadSome(fd_, buffer_.get() + kept, size, static_cast<off_t>(fileOffset_));
    if (got < 0) {
        throw InOutError::FromErrno(errno);
    }
    fileOffset_ += static_cast<std::uint64_t>(got);
    wanted_ = std::min(wanted_ * 2, kLargestPiece);
    return static_cast<std::size_t>(got);
}

bool LineBlocks::Next(std::string_view& piece) {
    std::size_t kept = carried_;
    pieceOffset_ = fileOffset_ - kept;
    while (!ended_) {
        const std::size_t scanned = kept;
        const std::size_t got = ReadMore(kept);
        kept += got;
        char* const data = buffer_.get();
        if (const void* ctrlZ = std::memchr(data + scanned, kCtrlZ, got); ctrlZ != nullptr) {
            const auto end = static_cast<std::size_t>(static_cast<const char*>(ctrlZ) - data);
            fileOffset_ -= kept - end;
            kept = end;
            ended_ = ctrlZ_ = true;
        } else if (got == 0) {
            ended_ = true;
        } else if (const void* lf = ::memrchr(data + scanned, '\n', got); lf != nullptr) {
            // Whole lines go out now; the unended rest waits for the next read.
            const auto whole = static_cast<std::size_t>(static_cast<const char*>(lf) - data) + 1;
            carried_ = kept - whole;
            carriedAt_ = whole;
            piece = std::string_view(data, whole);
            return true;
        }
    }
    carried_ = 0;
    piece = std::string_view(buffer_.get(), kept);
    return kept > 0;
}

std::size_t CountTextLines(std::string_view text) {
    const char* at = text.data();
    const char* const end = at + text.size();
    std::size_t count = 0;
    while (const void* lf = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
        ++count;
        at = static_cast<const char*>(lf) + 1;
    }
    return count + (at < end ? 1 : 0);
}

}  // namespace kulko
