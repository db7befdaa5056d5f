#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kulko {

// The end-of-file mark of a text file: its readers stop at the first one.
inline constexpr char kCtrlZ = 26;

// Reads a text file by the rules every file of the program follows: a line's
// text ends at its first CR or LF, everything up to and including the next
// LF is skipped, and a Ctrl-Z (kCtrlZ) or the physical end ends the file.
// The whole file is read in one go into one buffer sized from the file; lines
// are views into that buffer. A FIFO, socket or device is refused.
class TextFileReader {
  public:
    // Throws InOutError when the file cannot be opened or read.
    explicit TextFileReader(const std::filesystem::path& path);
    // Reads lines out of bytes already in memory (a download, a test).
    static TextFileReader FromBytes(std::string bytes);

    // The next line without its line end; false at the end of the file.
    bool ReadLine(std::string_view& line);
    // How many lines ReadLine gives from the first one, counted without
    // cutting them.
    std::size_t LineCount() const;
    // Every byte as read, the Ctrl-Z and what follows it included; the
    // lines are views into it.
    std::string_view Bytes() const { return buffer_; }
    // The text not yet read, up to where it ends (the Ctrl-Z cut off).
    std::string_view Rest() const {
        return std::string_view(buffer_).substr(pos_, end_ > pos_ ? end_ - pos_ : 0);
    }
    // The text from the start of the next line on, for a caller that reads
    // whole lines straight from it; Skip(count) then takes count bytes of
    // it, which must end just after an LF.
    std::string_view Ahead() const { return Rest(); }
    void Skip(std::size_t count) { pos_ += count; }
    // Back to the first line, so one read of the file serves two passes.
    void Rewind() { pos_ = 0; }
    // Hands the buffer over to a caller that keeps the bytes after reading,
    // so they are not held twice; the reader is then empty.
    std::string ReleaseBytes();

    // What the reader learns of the bytes while they are fresh from the
    // disk: where the first Ctrl-Z stands and how many LFs come before it.
    struct Survey {
        std::size_t ctrlZ = std::string::npos;
        std::size_t lineFeeds = 0;
        void Add(const char* bytes, std::size_t offset, std::size_t size);
    };

  private:
    TextFileReader() = default;
    void Take(const Survey& survey);

    std::string buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t lineFeeds_ = 0;  // before end_
};

// Every line of a text file, as copies.
std::vector<std::string> ReadAllLines(const std::filesystem::path& path);

// Number of lines the reader gives for the file.
std::size_t CountLines(const std::filesystem::path& path);

// The whole file as bytes; throws InOutError.
std::string ReadWholeFile(const std::filesystem::path& path);

// Text of lines as written to disk: each line followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace kulko
