#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kulko {

// Ranks of small sets of numbers in the combinatorial number system: the
// k-element sets of the values 0 to n - 1, sorted ascending, map one to one
// onto 0 to C(n, k) - 1. The history test keeps one bit per rank.

inline constexpr int kMaxSubsetSize = 6;
inline constexpr int kMaxSubsetUniverse = 49;

using BinomialTable =
    std::array<std::array<std::uint32_t, kMaxSubsetSize + 1>, kMaxSubsetUniverse + 1>;

constexpr BinomialTable MakeBinomialTable() {
    BinomialTable table{};
    for (int n = 0; n <= kMaxSubsetUniverse; ++n) {
        table[static_cast<std::size_t>(n)][0] = 1;
        for (int k = 1; k <= kMaxSubsetSize; ++k) {
            table[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                n == 0 ? 0
                       : table[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                             table[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)];
        }
    }
    return table;
}

inline constexpr BinomialTable kBinomial = MakeBinomialTable();

constexpr std::uint32_t Binomial(int n, int k) {
    return kBinomial[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

// Rank of values[0] < values[1] < ... < values[count - 1], each 0 to 48.
constexpr std::uint32_t SubsetRank(const int* values, int count) {
    std::uint32_t rank = 0;
    for (int i = 0; i < count; ++i) {
        rank += Binomial(values[i], i + 1);
    }
    return rank;
}

// A set of ranks of k-element sets, one bit each.
class SubsetBits {
  public:
    SubsetBits() = default;
    SubsetBits(int universe, int size) : words_((Binomial(universe, size) + 63u) / 64u, 0) {}

    void Set(std::uint32_t rank) { words_[rank >> 6] |= std::uint64_t{1} << (rank & 63u); }
    bool Test(std::uint32_t rank) const { return ((words_[rank >> 6] >> (rank & 63u)) & 1u) != 0; }

  private:
    std::vector<std::uint64_t> words_;
};

}  // namespace kulko
