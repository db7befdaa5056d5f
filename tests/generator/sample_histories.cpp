#include "generator/sample_histories.hpp"

#include <algorithm>

#include "generator/random_source.hpp"

namespace kulko::test {
namespace {

std::string Line(const std::string& numbers) {
    return "0001;27.01.1957;" + numbers;
}

}  // namespace

std::string NearRecordLine(std::mt19937& random, const NumberSet& base, int kind) {
    std::vector<int> values(base.begin(), base.end());
    if (kind == 1) {
        const int shift = static_cast<int>(random() % 121) - 60;
        for (int& n : values) {
            n += shift;
        }
    }
    for (int replaced = 0; replaced < kind - 1; ++replaced) {
        int n = 0;
        do {
            n = static_cast<int>(1 + random() % 49);
        } while (std::find(base.begin(), base.end(), n) != base.end() ||
                 std::find(values.begin(), values.end(), n) != values.end());
        values[static_cast<std::size_t>(replaced)] = n;
    }
    std::shuffle(values.begin(), values.end(), random);
    std::string numbers;
    for (std::size_t i = 0; i < values.size(); ++i) {
        numbers += (i == 0 ? "" : ";") + std::to_string(values[i]);
    }
    return Line(numbers);
}

std::string RandomRecordLine(std::mt19937& random, const std::vector<NumberSet>& seen) {
    std::uniform_int_distribution<int> number(1, 49);
    std::uniform_int_distribution<int> kind(0, 11);
    std::vector<std::string> tokens;
    const auto some = [&](int count) {
        std::vector<int> values;
        while (static_cast<int>(values.size()) < count) {
            const int n = number(random);
            if (std::find(values.begin(), values.end(), n) == values.end()) {
                values.push_back(n);
            }
        }
        return values;
    };
    switch (kind(random)) {
        case 0:
        case 1:
        case 2:
            for (int n : some(6)) {
                tokens.push_back(std::to_string(n));
            }
            break;
        case 3:  // near an earlier record
            if (seen.empty()) {
                return Line("1;2;3;4;5;6");
            }
            return NearRecordLine(random, seen[random() % seen.size()],
                                  static_cast<int>(random() % 5));
        case 4:  // a number twice or more
            for (int n : some(4)) {
                tokens.push_back(std::to_string(n));
            }
            tokens.push_back(tokens[random() % 4]);
            tokens.push_back(tokens[random() % 5]);
            break;
        case 5:  // too few tokens
            for (int n : some(static_cast<int>(random() % 6))) {
                tokens.push_back(std::to_string(n));
            }
            break;
        case 6:  // too many
            for (int n : some(8)) {
                tokens.push_back(std::to_string(n));
            }
            break;
        case 7: {  // out of range around a block of consecutive numbers
            const int low = static_cast<int>(random() % 140) - 70;
            for (int i = 0; i < 6; ++i) {
                tokens.push_back(std::to_string(low + i * static_cast<int>(1 + random() % 3)));
            }
            break;
        }
        case 8:
            for (int n : some(6)) {
                tokens.push_back(random() % 3 == 0 ? "x" : " " + std::to_string(n));
            }
            break;
        case 9:
            for (int n : some(6)) {
                tokens.push_back(random() % 4 == 0 ? "0" : std::to_string(n));
            }
            break;
        case 10:
            for (int n : some(6)) {
                tokens.push_back(random() % 2 == 0 ? "$" + std::to_string(n % 10)
                                                   : std::to_string(n));
            }
            break;
        default:
            for (int i = 0; i < 6; ++i) {
                tokens.push_back(std::to_string(static_cast<int>(random() % 8)));
            }
            break;
    }
    std::string numbers;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        numbers += (i == 0 ? "" : ";") + tokens[i];
    }
    // Now and then a line without its draw number or date.
    switch (random() % 8) {
        case 0:
            return numbers;
        case 1:
            return "0001;" + numbers;
        default:
            return Line(numbers);
    }
}

NumberSet RandomCandidate(std::mt19937& random) {
    std::vector<int> all(49);
    for (int i = 0; i < 49; ++i) {
        all[static_cast<std::size_t>(i)] = i + 1;
    }
    std::shuffle(all.begin(), all.end(), random);
    NumberSet set{};
    std::copy_n(all.begin(), 6, set.begin());
    std::sort(set.begin(), set.end());
    return set;
}

std::vector<NumberSet> CandidateStream(std::uint32_t seed, int attempts) {
    RandomSource random(seed);
    std::vector<NumberSet> stream;
    for (int a = 0; a < attempts; ++a) {
        NumberSet set{};
        for (std::size_t i = 0; i < set.size(); ++i) {
            int n = 0;
            do {
                n = static_cast<int>(random.Draw(49)) + 1;
            } while (std::find(set.begin(), set.begin() + static_cast<std::ptrdiff_t>(i), n) !=
                     set.begin() + static_cast<std::ptrdiff_t>(i));
            set[i] = n;
        }
        std::sort(set.begin(), set.end());
        stream.push_back(set);
    }
    return stream;
}

}  // namespace kulko::test
