#include "results/renumbering.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "common/file_ops.hpp"
#include "common/in_out_error.hpp"
#include "common/text_file.hpp"

namespace kulko {
namespace {

constexpr std::size_t kNumberWidth = 4;

// The scratch file reaches the disk before it replaces the results, so a
// crash right after the rename cannot leave an empty results file.
void SyncToDisk(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw InOutError::FromErrno(errno);
    }
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
    const std::size_t size = resultsBytes.size();
    TextFileReader reader = TextFileReader::FromBytes(std::move(resultsBytes));
    std::string text;
    text.reserve(size + size / 8);
    std::size_t number = 0;
    std::string_view line;
    bool first = true;
    while (reader.ReadLine(line)) {
        if (!first) {
            text += "\r\n";
        }
        first = false;
        const std::size_t semicolon = line.find(';');
        if (semicolon != std::string_view::npos) {
            text += FourDigitNumber(++number);
            line.remove_prefix(semicolon);
        }
        text += line;
    }
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
