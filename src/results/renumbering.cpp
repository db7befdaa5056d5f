#include "results/renumbering.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/file_ops.hpp"
#include "common/in_out_error.hpp"
#include "common/regular_file.hpp"
#include "common/text_file.hpp"

namespace kulko {
namespace {

constexpr std::size_t kNumberWidth = 4;

// The scratch file reaches the disk before it replaces the results, so a
// crash right after the rename cannot leave an empty results file.
void SyncToDisk(const std::filesystem::path& file) {
    const int fd = OpenRegularFile(file, O_RDONLY);
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (error != 0) {
        throw InOutError::FromErrno(error);
    }
}

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
    const std::string_view bytes = reader.Bytes();
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    // Everything is copied as it stands but the number fields: line ends,
    // what a CR hides up to the next LF, a Ctrl-Z and whatever follows it.
    std::size_t copied = 0;
    std::size_t number = 0;
    std::string_view line;
    while (reader.ReadLine(line)) {
        const std::size_t semicolon = line.find(';');
        if (semicolon != std::string_view::npos) {
            const auto start = static_cast<std::size_t>(line.data() - bytes.data());
            text.append(bytes.substr(copied, start - copied));
            text += FourDigitNumber(++number);
            copied = start + semicolon;
        }
    }
    text.append(bytes.substr(copied));
    return text;
}

void RenumberResults(const std::filesystem::path& resultsFile,
                     const std::filesystem::path& scratchFile) {
    // Create the scratch file before reading, so a directory where it cannot
    // be written stops the renumbering before anything else happens.
    WriteNewFile(scratchFile, {});
    const std::string renumbered = RenumberedText(ReadWholeFile(resultsFile));
    WriteNewFile(scratchFile, renumbered);
    SyncToDisk(scratchFile);
    ReplaceFileWith(resultsFile, scratchFile);
}

}  // namespace kulko
