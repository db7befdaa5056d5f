// The version notes: the local note and the server's, cut at a byte 0.
#include <cmath>
#include <cstdint>
#include <string>

#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "text/real_number.hpp"
#include "update/version_note.hpp"

using namespace kulko;

namespace {

double FirstLineValue(std::string_view bytes) {
    TextReader reader = TextReader::FromBytes(std::string(bytes));
    std::string_view first;
    return reader.ReadLine(first) ? TextToReal(first).value : 0.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [localBytes, serverBytes] = fuzz::SplitAtNul(fuzz::AsText(data, size));
    const auto local = fuzz::ScratchFile("kulko.wer", localBytes);
    const auto server = fuzz::ScratchFile("kulko.ser", serverBytes);

    const double localVersion = ReadVersionNote(local);
    fuzz::Require(!std::isnan(localVersion), "version is NaN");
    fuzz::Require(localVersion == FirstLineValue(localBytes), "note not read from its first line");

    const bool newer = ServerVersionIsNewer(local, server);
    fuzz::Require(!(newer && ServerVersionIsNewer(server, local)), "both notes newer");
    fuzz::Require(!ServerVersionIsNewer(local, local), "a note newer than itself");
    fuzz::Require(newer == (ReadVersionNote(server) > localVersion), "newer is not higher");
    return 0;
}
