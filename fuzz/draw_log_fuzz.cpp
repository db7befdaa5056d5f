// The draw log counting of the chart, which cuts the file in one pass, against
// the plain reading: line by line, field by field.
#include <cstdint>

#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "results/results_line.hpp"
#include "stats/draw_log_counts.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(fuzz::AsText(data, size));
    const auto file = fuzz::ScratchFile("losowania_kulko.txt", bytes);
    const NumberCounts counts = CountDrawLogNumbers(file);

    NumberCounts expected{};
    TextReader reader = TextReader::FromBytes(bytes);
    std::string_view line;
    while (reader.ReadLine(line)) {
        ForEachNumber(line, [&](int value) {
            if (IsGameNumber(value)) {
                ++expected[static_cast<std::size_t>(value - 1)];
            }
        });
    }
    fuzz::Require(counts == expected, "draw log counts differ from the line-by-line reading");
    return 0;
}
