#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace kulko {

// Reads a text file by the rules of TextFileReader (a line's text ends at
// its first CR or LF, everything up to and including the next LF is
// skipped, a Ctrl-Z or the physical end ends the file), a piece at a time:
// however long the file, a megabyte of it is held, and the bytes are read
// into memory that stays in the processor's cache. The line ReadLine gives
// lasts until the next call. Only a plain file is read.
class TextFileStream {
  public:
    // Throws InOutError when the file cannot be opened.
    explicit TextFileStream(const std::filesystem::path& path);
    ~TextFileStream();
    TextFileStream(const TextFileStream&) = delete;
    TextFileStream& operator=(const TextFileStream&) = delete;

    // The next line without its line end; false at the end of the file.
    // Throws InOutError when the file cannot be read.
    bool ReadLine(std::string_view& line);

    // The bytes read ahead from the start of the next line, for a caller
    // that reads whole lines straight from them; Skip(count) then takes
    // count of them, which must end just after an LF. Empty while the rest
    // of a line ended by a lone CR is still to be skipped.
    std::string_view Ahead() const {
        return skipping_ ? std::string_view{}
                         : std::string_view(buffer_.data() + begin_, filled_ - begin_);
    }
    void Skip(std::size_t count) { begin_ += count; }

    // The file as opened, for copying stretches of it; open as long as the
    // stream is.
    int Descriptor() const { return fd_; }
    // Where the lines end in the file: at the first Ctrl-Z, or at the
    // physical end. Known once ReadLine has returned false.
    std::uint64_t LinesEnd() const { return linesEnd_; }

  private:
    // Reads more after the bytes not yet taken; false at the end of the lines.
    bool Fill();
    // Skips to just after the next LF, reading on as needed.
    void SkipToLineFeed();

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;     // the first byte not yet taken
    std::size_t filled_ = 0;    // bytes of the buffer read and before any Ctrl-Z
    std::uint64_t offset_ = 0;  // of buffer_[0] in the file
    bool ended_ = false;        // no more bytes: the end of the file or a Ctrl-Z
    bool skipping_ = false;     // the last line ended at a CR; its LF is still to come
    std::uint64_t linesEnd_ = 0;
};

}  // namespace kulko
