#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kulko {

// The end-of-file mark of a text file: its readers stop at the first one.
inline constexpr char kCtrlZ = 26;

// Reads text by the rules every text file of the program follows: a line's
// text ends at its first CR or LF, and everything up to and including the
// next LF is skipped, so CR LF, a lone CR and a lone LF all end a line; a
// Ctrl-Z (kCtrlZ) or the physical end ends the text. An unended last line
// is a line; a text ending in CR LF has no empty last line.
//
// A file is read a piece at a time into a window that never holds more than
// `window` bytes, however long the file or its lines, and the bytes are read
// in pieces that stay in the processor's cache. A line longer than the
// window is given as its first `window` bytes, marked cut (LineCut), and the
// rest of it is skipped up to and including its LF. Bytes already in memory
// (a download, a test) are read by the same rules, all of them at hand: no
// line of them is cut, and their lines last as long as the reader.
//
// The text is taken line by line (ReadLine), as usual lines straight from
// the window (Ahead and Skip), or in pieces of whole lines (NextPiece); a
// reader may mix the three.
class TextReader {
  public:
    static constexpr std::size_t kWindow = std::size_t{1} << 20;

    // Opens a plain file (see OpenRegularFile). Throws InOutError when it
    // cannot be opened.
    explicit TextReader(const std::filesystem::path& path, std::size_t window = kWindow);
    // Reads the open file `fd` (not taken over) from `offset` on, up to
    // `end` at most (the size of the file when its identity was taken, so
    // that what is read is what that identity describes).
    explicit TextReader(int fd, std::uint64_t offset = 0, std::uint64_t end = UINT64_MAX,
                        std::size_t window = kWindow);
    // Reads lines out of bytes already in memory.
    static TextReader FromBytes(std::string bytes);

    // The next line without its line end; false at the end of the text. A
    // line read from a file lasts until the reader reads on. Throws
    // InOutError when the file cannot be read.
    bool ReadLine(std::string_view& line);
    // Whether the line ReadLine gave last was longer than the window: only
    // its first `window` bytes were given.
    bool LineCut() const { return cut_; }

    // The bytes at hand from the start of the next line, for a caller that
    // reads whole lines straight from them; Skip(count) then takes count of
    // them, which must end just after an LF. What follows them comes with
    // the next ReadLine.
    std::string_view Ahead() const { return std::string_view(Data() + begin_, filled_ - begin_); }
    void Skip(std::size_t count) { begin_ += count; }

    // The next piece of whole lines, every one up to and including its LF;
    // the last piece ends where the text ends, so its last line may have no
    // LF. A line longer than the window is a piece of its own: its first
    // `window` bytes, the rest skipped. False when the text has ended. The
    // piece lasts until the reader reads on.
    bool NextPiece(std::string_view& piece);
    // Where the last piece started in the file, and where the reading goes
    // on after it (after the skipped rest of a long line).
    std::uint64_t PieceOffset() const { return pieceOffset_; }
    std::uint64_t PieceEnd() const { return bufferAt_ + begin_; }
    // The last byte of the text that NextPiece went past, the skipped rest
    // of a long line included.
    char LastByte() const { return lastByte_; }

    // Counts the lines from the next one to the end of the text.
    std::size_t CountLines();
    // Back to where the reading started, so that one reader serves two passes.
    void Rewind();

    // Where the text ends: at the first Ctrl-Z or the physical end (or the
    // end given). Known once the text has been read to its end.
    std::uint64_t TextEnd() const { return bufferAt_ + filled_; }
    bool EndedByCtrlZ() const { return ctrlZ_; }
    // The file read, open as long as the reader is; -1 for bytes in memory.
    int Descriptor() const { return fd_.fd; }
    // Of bytes in memory: all of them, the Ctrl-Z and what follows it
    // included; the lines are views into them.
    std::string_view Bytes() const { return bytes_; }

  private:
    TextReader() = default;
    char* Data() { return window_buffer_ ? window_buffer_.get() : bytes_.data(); }
    const char* Data() const { return window_buffer_ ? window_buffer_.get() : bytes_.data(); }
    // Reads more after the bytes not yet taken.
    void Fill();
    // Skips what follows the window up to and including the next LF, the
    // window left as it is; whether the first byte skipped was text.
    bool SkipPastLineFeed();

    // A descriptor the reader opened and closes.
    struct OwnedFile {
        int fd = -1;
        bool owned = false;
        OwnedFile() = default;
        OwnedFile(int descriptor, bool own) : fd(descriptor), owned(own) {}
        OwnedFile(OwnedFile&& other) noexcept;
        OwnedFile& operator=(OwnedFile&& other) noexcept;
        ~OwnedFile();
    };

    OwnedFile fd_;
    // The window's bytes (left unset until read into: a reader of a few
    // bytes touches no more memory than they need), or the bytes in memory.
    std::unique_ptr<char[]> window_buffer_;
    std::size_t capacity_ = 0;
    std::string bytes_;
    std::size_t window_ = kWindow;
    std::size_t begin_ = 0;       // the first byte not yet taken
    std::size_t filled_ = 0;      // bytes read and before any Ctrl-Z
    std::uint64_t bufferAt_ = 0;  // the offset in the file of Data()[0]
    std::uint64_t start_ = 0;     // where reading started
    std::uint64_t end_ = UINT64_MAX;
    std::size_t wanted_ = 0;  // bytes the next read asks for
    std::uint64_t pieceOffset_ = 0;
    bool ended_ = false;  // no more bytes: the end, or a Ctrl-Z
    bool ctrlZ_ = false;
    bool cut_ = false;
    char lastByte_ = '\n';
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

// How many lines a text holds: every LF ends one, and an unended last line
// counts too.
std::size_t CountTextLines(std::string_view text);

}  // namespace kulko
