#pragma once

// Bytes of a results file through the start-up read, as the tests of the
// read and of the summary it gathers need them.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "files/text_file.hpp"
#include "results/validating_read.hpp"

namespace kulko::test {

struct Outcome {
    ValidationVerdict verdict;
    DrawSummary summary;
};

inline Outcome Validate(std::string bytes, bool check = true) {
    TextReader counter = TextReader::FromBytes(bytes);
    std::size_t total = 0;
    std::string_view line;
    while (counter.ReadLine(line)) {
        ++total;
    }
    TextReader reader = TextReader::FromBytes(std::move(bytes));
    Outcome outcome;
    outcome.verdict = ValidateResults(reader, check, total, outcome.summary);
    return outcome;
}

}  // namespace kulko::test
