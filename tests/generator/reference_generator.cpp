#include "generator/reference_generator.hpp"

#include <fcntl.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "files/in_out_error.hpp"
#include "files/regular_file.hpp"
#include "generator/random_source.hpp"
#include "text/text_to_number.hpp"

namespace kulko::test {
namespace {

// The numbers of a line, literally: everything after the second ";" (after
// the only one, or the whole line), with one ";" appended, cut at every ";".
std::vector<std::int32_t> RecordTokens(std::string_view line) {
    const std::size_t first = line.find(';');
    std::string part;
    if (first == std::string_view::npos) {
        part = std::string(line);
    } else {
        const std::size_t second = line.find(';', first + 1);
        part = std::string(second == std::string_view::npos ? line.substr(first + 1)
                                                            : line.substr(second + 1));
    }
    part += ';';
    std::vector<std::int32_t> tokens;
    std::string token;
    for (char c : part) {
        if (c == ';') {
            tokens.push_back(TextToNumberValue(token));
            token.clear();
        } else {
            token += c;
        }
    }
    return tokens;
}

void SortAscending(std::int64_t* values, int count) {
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j + 1 < count - i; ++j) {
            if (values[j] > values[j + 1]) {
                std::swap(values[j], values[j + 1]);
            }
        }
    }
}

// The results file read record by record, a byte at a time, by the rules of
// every text file: a line's text ends at its first CR or LF, everything up to
// and including the next LF is skipped, and a Ctrl-Z or the physical end ends
// the file. Reading stops wherever the caller stops asking.
class LiteralRecords {
  public:
    explicit LiteralRecords(const std::filesystem::path& file)
        : stream_(::fdopen(OpenRegularFile(file, O_RDONLY), "rb")) {
        if (stream_ == nullptr) {
            throw InOutError::FromErrno(errno);
        }
    }
    ~LiteralRecords() { std::fclose(stream_); }
    LiteralRecords(const LiteralRecords&) = delete;
    LiteralRecords& operator=(const LiteralRecords&) = delete;

    bool Next(std::string& line) {
        line.clear();
        int c = ended_ ? EOF : Get();
        if (c == EOF || c == 26) {
            return false;
        }
        while (c != EOF && c != 26 && c != '\r' && c != '\n') {
            line += static_cast<char>(c);
            c = Get();
        }
        while (c == '\r') {  // the rest of the line up to its LF is skipped
            do {
                c = Get();
            } while (c != EOF && c != 26 && c != '\n');
        }
        ended_ = c == EOF || c == 26;
        return true;
    }

  private:
    int Get() {
        const int c = std::getc(stream_);
        if (c == EOF && std::ferror(stream_)) {
            throw InOutError::FromErrno(errno);
        }
        return c;
    }
    std::FILE* stream_;
    bool ended_ = false;
};

int Target(int low, int high) {
    // The same choice as the program for a history without high numbers.
    if (high == 0) {
        return low > 0 ? 6 : 3;
    }
    const double r = static_cast<double>(low) / static_cast<double>(high);
    const double reference[7] = {0, 0.25, 0.66, 1.5, 4, 5, 6};
    int target = 0;
    for (int t = 0; t <= 6; ++t) {
        if (std::fabs(reference[t] - r) <= std::fabs(reference[target] - r)) {
            target = t;
        }
    }
    return target;
}

}  // namespace

bool ReferenceRecordRejects(DrawMode mode, const NumberSet& candidate, std::string_view line) {
    const std::vector<std::int32_t> tokens = RecordTokens(line);
    std::int64_t record[6] = {0, 0, 0, 0, 0, 0};
    for (std::size_t k = 0; k < 6 && k < tokens.size(); ++k) {
        record[k] = tokens[k];
    }
    int hits = 0;
    for (int c : candidate) {
        for (std::int64_t r : record) {
            if (c == r) {
                ++hits;
            }
        }
    }
    SortAscending(record, 6);
    bool shifted = false;
    for (int d = -49; d <= 49; ++d) {
        bool all = true;
        for (int i = 0; i < 6; ++i) {
            if (record[i] + d != candidate[static_cast<std::size_t>(i)]) {
                all = false;
            }
        }
        shifted = shifted || all;
    }
    switch (mode) {
        case DrawMode::Normal:
            return false;
        case DrawMode::NoSix:
            return hits == 6 || shifted;
        case DrawMode::NoFive:
            return hits >= 5;
        case DrawMode::NoFour:
            return hits >= 4;
    }
    return false;
}

ReferenceOutcome ReferencePress(const GeneratorOptions& options,
                                const StartupStatistics& statistics,
                                const std::filesystem::path& resultsFile, std::uint32_t seed) {
    RandomSource random(seed);
    int attempts = 0;
    const std::int32_t forcedNumber = options.forcedNumber;
    for (;;) {
        ++attempts;
        if (attempts > 1000) {
            return {false, {}, attempts};
        }
        NumberSet set{};
        set[0] = static_cast<int>(random.Draw(49)) + 1;
        if (options.forcing == DrawForcing::WithMax && set[0] != statistics.mostFrequentNumber) {
            continue;
        }
        if (options.forcing == DrawForcing::WithNumber && set[0] != forcedNumber) {
            continue;
        }
        if (options.forcing == DrawForcing::WithMin && set[0] != statistics.leastFrequentNumber) {
            continue;
        }
        for (int i = 1; i < 6; ++i) {
            for (;;) {
                const int n = static_cast<int>(random.Draw(49)) + 1;
                bool differs = true;
                for (int j = 0; j < i; ++j) {
                    if (set[static_cast<std::size_t>(j)] == n) {
                        differs = false;
                    }
                }
                if (differs) {
                    set[static_cast<std::size_t>(i)] = n;
                    break;
                }
            }
        }
        std::int64_t sorted[6];
        for (int i = 0; i < 6; ++i) {
            sorted[i] = set[static_cast<std::size_t>(i)];
        }
        SortAscending(sorted, 6);
        for (int i = 0; i < 6; ++i) {
            set[static_cast<std::size_t>(i)] = static_cast<int>(sorted[i]);
        }

        int low = 0;
        int high = 0;
        for (int n : set) {
            if (n < 25) {
                ++low;
            } else {
                ++high;
            }
        }
        if (options.bias == DrawBias::LowMajority && low <= 3) {
            continue;
        }
        if (options.bias == DrawBias::HighMajority && high <= 3) {
            continue;
        }
        if (options.bias == DrawBias::AsStatistics &&
            low != Target(statistics.lowNumberTotal, statistics.highNumberTotal)) {
            continue;
        }

        bool rejected = false;
        {
            // Opened anew for this attempt and read up to the first record
            // that rejects the candidate.
            LiteralRecords records(resultsFile);
            std::string line;
            while (!rejected && records.Next(line)) {
                rejected = ReferenceRecordRejects(options.mode, set, line);
            }
        }
        if (rejected) {
            continue;
        }

        bool conditionFails = false;
        for (int i = 0; i < 5; ++i) {
            const int a = set[static_cast<std::size_t>(i)];
            const int b = set[static_cast<std::size_t>(i + 1)];
            if (options.condition == DrawCondition::NoTwoInRow && b - a == 1) {
                conditionFails = true;
            }
            if (options.condition == DrawCondition::NoThreeInRow && i < 4 && b == a + 1 &&
                set[static_cast<std::size_t>(i + 2)] == a + 2) {
                conditionFails = true;
            }
        }
        for (int n : set) {
            if (options.condition == DrawCondition::EvenOnly && n % 2 != 0) {
                conditionFails = true;
            }
            if (options.condition == DrawCondition::OddOnly && n % 2 == 0) {
                conditionFails = true;
            }
        }
        if (conditionFails) {
            continue;
        }

        std::int32_t rows = options.recentCount;
        if (rows > 50) {
            rows = 50;
        }
        int recentHits = 0;
        for (int row = 50; row >= 51 - rows && row >= 1; --row) {
            for (int c : set) {
                for (int r : statistics.recentDraws[static_cast<std::size_t>(row - 1)]) {
                    if (c == r) {
                        ++recentHits;
                    }
                }
            }
        }
        if (options.recentFilter == RecentFilter::NoPair && recentHits >= 2) {
            continue;
        }
        if (options.recentFilter == RecentFilter::NoTriple && recentHits >= 3) {
            continue;
        }
        if (options.notIfAlreadyDrawn && recentHits >= rows) {
            continue;
        }
        return {true, set, attempts};
    }
}

}  // namespace kulko::test
