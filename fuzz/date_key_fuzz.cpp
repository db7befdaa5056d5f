// The date key that orders the local and the fetched results file by their
// last line long enough to hold one. The input is two files cut at a byte 0.
#include <cstdint>
#include <string>

#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "update/results_update.hpp"

using namespace kulko;

namespace {

// yyyy-mm-dd; a fetched key holds digits only, a local one any bytes.
void CheckKeyShape(const std::optional<std::string>& key, DateKeySource source) {
    if (!key) {
        return;
    }
    fuzz::Require(key->size() == 10 && (*key)[4] == '-' && (*key)[7] == '-', "key not yyyy-mm-dd");
    for (std::size_t i = 0; i < key->size() && source == DateKeySource::Fetched; ++i) {
        fuzz::Require(i == 4 || i == 7 || ((*key)[i] >= '0' && (*key)[i] <= '9'),
                      "fetched key holds a non-digit");
    }
}

std::optional<std::string> LastKeyInMemory(std::string_view bytes, DateKeySource source) {
    TextFileReader reader = TextFileReader::FromBytes(std::string(bytes));
    std::string_view line;
    std::optional<std::string_view> last;
    while (reader.ReadLine(line)) {
        if (line.size() >= 15) {
            last = line;
        }
    }
    return last ? DrawDateKey(*last, source) : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [localBytes, fetchedBytes] = fuzz::SplitAtNul(fuzz::AsText(data, size));
    const auto localFile = fuzz::ScratchFile("kulko.txt", localBytes);
    const auto local = LastDateKey(localFile, DateKeySource::Local);
    const auto fetched =
        LastDateKey(fuzz::ScratchFile("kulko.bak", fetchedBytes), DateKeySource::Fetched);
    CheckKeyShape(local, DateKeySource::Local);
    CheckKeyShape(fetched, DateKeySource::Fetched);
    fuzz::Require(local == LastKeyInMemory(localBytes, DateKeySource::Local),
                  "file key differs from the last long line");
    // Wherever the fetched rule gives a key, the local rule gives the same.
    const auto strict = LastDateKey(localFile, DateKeySource::Fetched);
    fuzz::Require(!strict || strict == local, "the two rules disagree on a date of digits");
    CheckKeyShape(DrawDateKey(localBytes, DateKeySource::Fetched), DateKeySource::Fetched);

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
