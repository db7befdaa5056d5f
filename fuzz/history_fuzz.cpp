// The generator's history test: the results file turned into tables that
// answer for the whole file at once. Which candidates it rejects must be
// exactly those that some record rejects when read record by record.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "generator/history_index.hpp"
#include "results/results_line.hpp"

using namespace kulko;

namespace {

using Record = std::array<std::int64_t, kNumbersPerDraw>;

std::vector<Record> Records(const std::string& bytes) {
    std::vector<Record> records;
    TextReader reader = TextReader::FromBytes(bytes);
    std::string_view line;
    while (reader.ReadLine(line)) {
        Record record{};
        std::size_t index = 0;
        ForEachNumber(CutResultsLine(line).numbersPart, [&](std::int32_t value) {
            if (index < record.size()) {
                record[index++] = value;
            }
        });
        records.push_back(record);
    }
    return records;
}

bool RecordRejects(DrawMode mode, const NumberSet& candidate, Record record) {
    int hits = 0;
    for (int number : candidate) {
        hits += static_cast<int>(std::count(record.begin(), record.end(), number));
    }
    switch (mode) {
        case DrawMode::Normal:
            return false;
        case DrawMode::NoFive:
            return hits >= 5;
        case DrawMode::NoFour:
            return hits >= 4;
        case DrawMode::NoSix:
            break;
    }
    if (hits == 6) {
        return true;
    }
    std::sort(record.begin(), record.end());
    const std::int64_t shift = candidate[0] - record[0];
    if (shift < -49 || shift > 49) {
        return false;
    }
    for (std::size_t i = 0; i < candidate.size(); ++i) {
        if (candidate[i] - record[i] != shift) {
            return false;
        }
    }
    return true;
}

// A candidate from any six values: distinct, 1 to 49, ascending; none when
// the values do not give six distinct numbers.
std::optional<NumberSet> CandidateFrom(const Record& values) {
    std::set<int> numbers;
    for (std::int64_t v : values) {
        if (v >= 1 && v <= 49) {
            numbers.insert(static_cast<int>(v));
        }
    }
    if (numbers.size() != kNumbersPerDraw) {
        return std::nullopt;
    }
    NumberSet set{};
    std::copy(numbers.begin(), numbers.end(), set.begin());
    return set;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(fuzz::AsText(data, size));
    const std::vector<Record> records = Records(bytes);

    // Candidates near the records (equal, shifted, one number changed) reach
    // the rejecting paths; a few spread ones the accepting ones.
    std::vector<NumberSet> candidates;
    for (std::size_t r = 0; r < records.size() && r < 40; ++r) {
        for (std::int64_t shift : {0, 1, -1, 7}) {
            Record moved = records[r];
            for (auto& v : moved) {
                v += shift;
            }
            if (auto set = CandidateFrom(moved)) {
                candidates.push_back(*set);
            }
            moved[r % kNumbersPerDraw] = static_cast<std::int64_t>(r % 49) + 1;
            if (auto set = CandidateFrom(moved)) {
                candidates.push_back(*set);
            }
        }
    }
    std::uint32_t seed = static_cast<std::uint32_t>(size) * 2654435761u;
    for (int k = 0; k < 8; ++k) {
        Record spread{};
        for (auto& v : spread) {
            seed = seed * 134775813u + 1;
            v = static_cast<std::int64_t>(seed >> 26) + 1;  // 1 to 64
        }
        if (auto set = CandidateFrom(spread)) {
            candidates.push_back(*set);
        }
    }

    for (DrawMode mode : {DrawMode::Normal, DrawMode::NoSix, DrawMode::NoFive, DrawMode::NoFour}) {
        TextReader reader = TextReader::FromBytes(bytes);
        const HistoryIndex index = HistoryIndex::FromText(reader, mode);
        for (const NumberSet& candidate : candidates) {
            const bool expected = std::any_of(records.begin(), records.end(), [&](const Record& r) {
                return RecordRejects(mode, candidate, r);
            });
            fuzz::Require(index.Rejects(candidate) == expected,
                          "history index differs from reading record by record");
        }
    }
    return 0;
}
