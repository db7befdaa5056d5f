// The date key that orders the local and the fetched results file by their
// last line. The input is two files cut at a byte 0.
#include <cstdint>
#include <string>

#include "common/text_file.hpp"
#include "fuzz_support.hpp"
#include "settings/results_update.hpp"

using namespace kulko;

namespace {

void CheckKeyShape(const std::optional<std::string>& key) {
    if (!key) {
        return;
    }
    fuzz::Require(key->size() == 10 && (*key)[4] == '-' && (*key)[7] == '-', "key not yyyy-mm-dd");
    for (std::size_t i = 0; i < key->size(); ++i) {
        fuzz::Require(i == 4 || i == 7 || ((*key)[i] >= '0' && (*key)[i] <= '9'),
                      "key holds a non-digit");
    }
}

std::optional<std::string> LastLineKeyInMemory(std::string_view bytes) {
    TextFileReader reader = TextFileReader::FromBytes(std::string(bytes));
    std::string_view line;
    std::optional<std::string_view> last;
    while (reader.ReadLine(line)) {
        last = line;
    }
    return last ? DrawDateKey(*last) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [localBytes, fetchedBytes] = fuzz::SplitAtNul(fuzz::AsText(data, size));
    const auto local = LastLineDateKey(fuzz::ScratchFile("kulko.txt", localBytes));
    const auto fetched = LastLineDateKey(fuzz::ScratchFile("kulko.bak", fetchedBytes));
    CheckKeyShape(local);
    CheckKeyShape(fetched);
    fuzz::Require(local == LastLineKeyInMemory(localBytes), "file key differs from the last line");
    CheckKeyShape(DrawDateKey(localBytes));

    // Newer is a strict order: never both ways, never against itself, and
    // a fetched file without a key never replaces anything.
    fuzz::Require(
        !(FetchedResultsAreNewer(local, fetched) && FetchedResultsAreNewer(fetched, local)),
        "both files newer than each other");
    fuzz::Require(!FetchedResultsAreNewer(fetched, fetched) || !fetched,
                  "a file newer than itself");
    fuzz::Require(fetched || !FetchedResultsAreNewer(local, fetched), "keyless file taken");
    return 0;
}
