#include "results/renumbering.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/regular_file.hpp"
#include "files/text_file.hpp"
#include "files/write_all.hpp"

namespace kulko {
namespace {

constexpr std::size_t kNumberWidth = 4;

// Hands out the renumbered file piece by piece. Everything is copied as it
// stands but the number fields: line ends, what a CR hides up to the next
// LF, a Ctrl-Z and whatever follows it.
void RenumberPieces(TextFileReader& reader, const std::function<void(std::string_view)>& emit) {
    const std::string_view bytes = reader.Bytes();
    std::size_t copied = 0;
    std::size_t number = 0;
    std::string_view line;
    while (reader.ReadLine(line)) {
        const std::size_t semicolon = line.find(';');
        if (semicolon != std::string_view::npos) {
            const auto start = static_cast<std::size_t>(line.data() - bytes.data());
            emit(bytes.substr(copied, start - copied));
            emit(FourDigitNumber(++number));
            copied = start + semicolon;
        }
    }
    emit(bytes.substr(copied));
}

// The scratch file written in blocks as the pieces come, so that a results
// file of any size is held in memory once; synced before it is closed, so
// that a crash right after the rename cannot leave an empty results file.
class ScratchWriter {
  public:
    explicit ScratchWriter(const std::filesystem::path& file)
        : fd_(OpenRegularFile(file, O_WRONLY | O_TRUNC)) {}
    ~ScratchWriter() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ScratchWriter(const ScratchWriter&) = delete;
    ScratchWriter& operator=(const ScratchWriter&) = delete;

    void Add(std::string_view piece) {
        block_ += piece;
        if (block_.size() >= kBlockSize) {
            Flush();
        }
    }
    void Finish() {
        Flush();
        const int fd = fd_;
        fd_ = -1;
        const int error = ::fsync(fd) == 0 ? 0 : errno;
        if (::close(fd) != 0 || error != 0) {
            throw InOutError::FromErrno(error != 0 ? error : errno);
        }
    }

  private:
    static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

    void Flush() {
        if (const int error = WriteAllAt(fd_, block_, written_); error != 0) {
            throw InOutError::FromErrno(error);
        }
        written_ += static_cast<off_t>(block_.size());
        block_.clear();
    }

    int fd_;
    off_t written_ = 0;
    std::string block_;
};

}  // namespace

std::string FourDigitNumber(std::size_t number) {
    std::string digits = std::to_string(number);
    if (digits.size() < kNumberWidth) {
        digits.insert(0, kNumberWidth - digits.size(), '0');
    }
    return digits;
}

std::string RenumberedText(std::string resultsBytes) {
    TextFileReader reader = TextFileReader::FromBytes(std::move(resultsBytes));
    std::string text;
    text.reserve(reader.Bytes().size() + reader.Bytes().size() / 8);
    RenumberPieces(reader, [&](std::string_view piece) { text += piece; });
    return text;
}

void RenumberResults(const std::filesystem::path& resultsFile,
                     const std::filesystem::path& scratchFile) {
    // Create the scratch file before reading, so a directory where it cannot
    // be written stops the renumbering before anything else happens.
    WriteNewFile(scratchFile, {});
    TextFileReader reader(resultsFile);
    ScratchWriter scratch(scratchFile);
    RenumberPieces(reader, [&](std::string_view piece) { scratch.Add(piece); });
    scratch.Finish();
    ReplaceFileWith(resultsFile, scratchFile);
}

}  // namespace kulko
