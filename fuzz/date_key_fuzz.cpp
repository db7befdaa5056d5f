// The date key that orders the local and the fetched results file by their
// last line long enough to hold one. The input is two files cut at a byte 0.
#include <cstdint>
#include <string>

#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "update/results_update.hpp"

using namespace kulko;

namespace {

// yyyymmdd of eight digits; a local key of other bytes may rank just below
// every date of digits.
void CheckKeyShape(const std::optional<DateKey>& key, DateKeySource source) {
    if (!key) {
        return;
    }
    const DateKey lowest = source == DateKeySource::Fetched ? 0 : -1;
    fuzz::Require(*key >= lowest && *key <= 99999999, "key not yyyymmdd");
}

std::optional<std::string> LastLongLine(std::string_view bytes) {
    TextReader reader = TextReader::FromBytes(std::string(bytes));
    std::string_view line;
    std::optional<std::string> last;
    while (reader.ReadLine(line)) {
        if (line.size() >= 15) {
            last = std::string(line);
        }
    }
    return last;
}

std::optional<DateKey> LastKeyInMemory(std::string_view bytes, DateKeySource source) {
    const auto last = LastLongLine(bytes);
    return last ? DrawDateKey(*last, source) : std::nullopt;
}

// The date places of a line as bytes, year, month, day: the order the keys
// must keep, compared byte by byte.
std::string DatePlaces(const std::string& line) {
    return line.substr(11, 4) + line.substr(8, 2) + line.substr(5, 2);
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

    // A fetched date replaces a local one exactly when its date bytes rank
    // after the local ones, whatever bytes the local date holds.
    if (local && fetched) {
        const bool later =
            DatePlaces(*LastLongLine(fetchedBytes)) > DatePlaces(*LastLongLine(localBytes));
        fuzz::Require(FetchedResultsAreNewer(local, fetched) == later,
                      "keys rank otherwise than the date bytes");
    }
    return 0;
}
