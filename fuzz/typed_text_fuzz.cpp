// Typed text crossing into the file's code page: the search text of
// "Szukaj", ledger cells and the set text go from UTF-8 to Windows-1250, and
// file text comes back the other way. The input is the typed text, a byte 0,
// then a results file to search.
#include <cstdint>
#include <string>

#include "text/cp1250.hpp"
#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "stats/number_search.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [typed, fileBytes] = fuzz::SplitAtNul(fuzz::AsText(data, size));

    // One byte for every character typed, a broken one included.
    const std::string bytes = Utf8ToCp1250(typed);
    fuzz::Require(bytes.size() == Utf8Length(typed), "a typed character is not one byte");

    // File bytes shown and typed back are the same bytes.
    const std::string shown = Cp1250ToUtf8(fileBytes);
    fuzz::Require(Utf8Length(shown) == fileBytes.size(), "a file byte is not one character");
    fuzz::Require(Utf8ToCp1250(shown) == fileBytes, "file text changed on its way back");

    // The search counts lines holding the text, each once.
    const auto file = fuzz::ScratchFile("kulko.txt", fileBytes);
    const std::size_t found = CountLinesContaining(file, bytes);
    std::size_t expected = 0;
    if (!bytes.empty()) {
        for (const std::string& line : ReadAllLines(file)) {
            expected += line.find(bytes) != std::string::npos ? 1 : 0;
        }
    }
    fuzz::Require(found == expected, "search count differs from the lines holding the text");
    return 0;
}
