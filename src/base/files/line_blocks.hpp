#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>

#include "files/file_identity.hpp"

namespace kulko {

// A plain file opened for reading (see OpenRegularFile), closed when it goes.
class ReadOnlyFile {
  public:
    // Throws InOutError: "File not found", "File access denied", ...
    explicit ReadOnlyFile(const std::filesystem::path& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    int Fd() const { return fd_; }
    // The file's identity when it was opened, and now.
    const FileIdentity& OpenedIdentity() const { return opened_; }
    FileIdentity Identity() const { return FileIdentity::Of(fd_); }

  private:
    int fd_;
    FileIdentity opened_;
};

// Reads a text file from a given offset in pieces of whole lines, each piece
// into the same buffer, so that a file of any length is read with one buffer
// of a few hundred kilobytes and no allocation per line. The text ends at
// the first Ctrl-Z (kCtrlZ) or at the physical end.
//
// Each piece holds whole lines, every one up to and including its LF; the
// last piece ends where the text ends, so its last line may have no LF. A
// line longer than the buffer grows it. The first pieces are small, so that
// a reader that stops early reads little; later ones grow.
class LineBlocks {
  public:
    // Reads the open file `fd` (not taken over) from `offset` on, up to
    // `end` at most (the size of the file when its identity was taken, so
    // that what is read is what that identity describes).
    explicit LineBlocks(int fd, std::uint64_t offset = 0, std::uint64_t end = UINT64_MAX);

    // The next piece; false when the text has ended. The piece is valid until
    // the next call. Throws InOutError when the file cannot be read.
    bool Next(std::string_view& piece);

    // The offset in the file of the first byte of the last piece.
    std::uint64_t PieceOffset() const { return pieceOffset_; }
    // The offset where the text ended: the first Ctrl-Z, or the end of the
    // file. Known once Next has returned false.
    std::uint64_t TextEnd() const { return fileOffset_; }
    // Whether a Ctrl-Z ended the text, and whether the physical end was
    // reached without one.
    bool EndedByCtrlZ() const { return ctrlZ_; }

    // Bytes the first read asks for, and the most a piece grows to.
    static constexpr std::size_t kFirstPiece = std::size_t{16} << 10;
    static constexpr std::size_t kLargestPiece = std::size_t{64} << 10;

  private:
    // Reads into the buffer after the `kept` bytes already there.
    std::size_t ReadMore(std::size_t kept);
    // Bytes from where the next read starts to the end of the line there.
    std::size_t BytesToLineEnd() const;

    int fd_;
    std::uint64_t fileOffset_;   // where the next read starts
    std::uint64_t end_;          // where reading stops
    std::uint64_t pieceOffset_;  // where the last piece started
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t wanted_ = kFirstPiece;  // bytes the next read asks for
    std::size_t carried_ = 0;           // an unended line at the buffer's end
    std::size_t carriedAt_ = 0;
    bool ended_ = false;
    bool ctrlZ_ = false;
};

// Takes the first line off `text` (which must not be empty): its text up to
// the first CR or LF, while everything up to and including the next LF is
// dropped from `text`.
inline std::string_view TakeLine(std::string_view& text) {
    const char* const start = text.data();
    const void* lf = std::memchr(start, '\n', text.size());
    const std::size_t span = lf == nullptr
                                 ? text.size()
                                 : static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    const void* cr = std::memchr(start, '\r', span);
    const std::size_t length =
        cr == nullptr ? span : static_cast<std::size_t>(static_cast<const char*>(cr) - start);
    text.remove_prefix(lf == nullptr ? span : span + 1);
    return {start, length};
}

// How many lines a text holds by the rules of every text file: every LF ends
// one, and an unended last line counts too.
std::size_t CountTextLines(std::string_view text);

}  // namespace kulko
