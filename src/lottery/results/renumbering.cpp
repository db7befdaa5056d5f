#include "results/renumbering.hpp"

#include <functional>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/temporary_file.hpp"
#include "files/text_file.hpp"
#include "files/work_dir_lock.hpp"
#include "files/write_all.hpp"

namespace kulko {
namespace {

constexpr std::size_t kNumberWidth = 4;

// Hands out the renumbered file piece by piece. Everything is copied as it
// stands but the number fields: line ends, what a CR hides up to the next
// LF, a Ctrl-Z and whatever follows it.
void RenumberPieces(TextReader& reader, const std::function<void(std::string_view)>& emit) {
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
// file of any size is held in memory once.
class ScratchWriter {
  public:
    explicit ScratchWriter(int fd) : fd_(fd) {}

    void Add(std::string_view piece) {
        block_ += piece;
        if (block_.size() >= kBlockSize) {
            Flush();
        }
    }
    void Flush() {
        if (const int error = WriteAllAt(fd_, block_, written_); error != 0) {
            throw InOutError::FromErrno(error);
        }
        written_ += static_cast<off_t>(block_.size());
        block_.clear();
    }

  private:
    static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

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
    TextReader reader = TextReader::FromBytes(std::move(resultsBytes));
    std::string text;
    text.reserve(reader.Bytes().size() + reader.Bytes().size() / 8);
    RenumberPieces(reader, [&](std::string_view piece) { text += piece; });
    return text;
}

void RenumberResults(const std::filesystem::path& resultsFile,
                     const std::filesystem::path& scratchFile) {
    // No other program changes the directory from the scratch file's making
    // to its rename.
    const WorkDirLock lock(DirectoryOf(resultsFile));
    // Create the scratch file before reading, so a directory where it cannot
    // be written stops the renumbering before anything else happens. It has
    // no name until it is whole, where the file system allows, and whatever
    // name it has is gone again when the renumbering fails.
    TemporaryFile scratch(resultsFile, 0666, scratchFile);
    if (scratch.Descriptor() < 0) {
        throw InOutError::FromErrno(scratch.Error());
    }
    const FileIdentity read = IdentityOf(resultsFile);
    // The whole file in memory, as the renumbered file copies every byte of it.
    TextReader reader = TextReader::FromBytes(ReadWholeFile(resultsFile));
    ScratchWriter writer(scratch.Descriptor());
    RenumberPieces(reader, [&](std::string_view piece) { writer.Add(piece); });
    writer.Flush();
    if (const int error = scratch.Finish(); error != 0) {
        throw InOutError::FromErrno(error);
    }
    ReplaceFileWith(resultsFile, scratch.Name(), read);
    scratch.Moved();
}

}  // namespace kulko
