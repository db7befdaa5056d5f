#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "game/subset_rank.hpp"
#include "wheels/ticket.hpp"

namespace kulko {

// Small sets of positions (at most six of 0 to 63) and their ranks in the
// combinatorial number system, which number the k-element sets of 0 to v - 1
// densely from 0 to C(v, k) - 1, whatever v is.

// The most numbers a game may have: a set of them is one 64-bit mask.
inline constexpr int kMaxPool = 64;

namespace detail {

using PoolBinomials = std::array<std::array<std::uint32_t, kMaxSubsetSize + 1>, kMaxPool + 1>;

constexpr PoolBinomials MakePoolBinomials() {
    PoolBinomials table{};
    for (std::size_t n = 0; n <= kMaxPool; ++n) {
        table[n][0] = 1;
        for (std::size_t k = 1; k <= kMaxSubsetSize; ++k) {
            table[n][k] = n == 0 ? 0 : table[n - 1][k - 1] + table[n - 1][k];
        }
    }
    return table;
}

inline constexpr PoolBinomials kPoolBinomials = MakePoolBinomials();

}  // namespace detail

// C(n, k) for n up to kMaxPool and k up to six (C(64, 6) fits 32 bits);
// 0 where k is negative or above n.
constexpr std::uint32_t Choose(int n, int k) {
    return n < 0 || k < 0 || k > n
               ? 0
               : detail::kPoolBinomials[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

namespace detail {

// The rank of a set is a sum over its members, the i-th smallest member p
// adding C(p, i). Taken a byte of positions at a time, a byte's share
// depends only on its bits and on how many members lie below it, so it is
// looked up: kRankShare[byte index][members below][bits].
inline constexpr int kRankBytes = kMaxPool / 8;

struct RankShares {
    std::uint32_t share[kRankBytes][kMaxSubsetSize + 1][256];
    std::uint8_t members[256];
};

constexpr RankShares MakeRankShares() {
    RankShares shares{};
    for (int bits = 0; bits < 256; ++bits) {
        for (int b = bits; b != 0; b &= b - 1) {
            ++shares.members[bits];
        }
    }
    for (int byte = 0; byte < kRankBytes; ++byte) {
        for (int below = 0; below <= kMaxSubsetSize; ++below) {
            for (int bits = 0; bits < 256; ++bits) {
                std::uint32_t sum = 0;
                int i = below;
                for (int p = 0; p < 8; ++p) {
                    const int position = byte * 8 + p;
                    if ((bits >> p & 1) != 0 && ++i <= kMaxSubsetSize) {
                        sum += Choose(position, i);
                    }
                }
                shares.share[byte][below][bits] = sum;
            }
        }
    }
    return shares;
}

inline constexpr RankShares kRankShares = MakeRankShares();

}  // namespace detail

inline std::uint32_t MaskRank(NumberBits set) {
    std::uint32_t rank = 0;
    int below = 0;
    for (int byte = 0; set != 0; ++byte, set >>= 8) {
        const auto bits = static_cast<std::size_t>(set & 0xffu);
        rank += detail::kRankShares.share[byte][below][bits];
        below += detail::kRankShares.members[bits];
    }
    return rank;
}

// The k-element set of the given rank.
inline NumberBits MaskOfRank(std::uint32_t rank, int k) {
    NumberBits set = 0;
    int top = kMaxPool - 1;
    for (int i = k; i > 0; --i) {
        while (Choose(top, i) > rank) {
            --top;
        }
        set |= Bit(top);
        rank -= Choose(top, i);
        --top;
    }
    return set;
}

// Calls fn(acc | subset) for every k-element subset of the first n of the
// given positions.
template <typename Fn>
void ForEachSubsetOf(const int* positions, int n, int k, NumberBits acc, Fn&& fn) {
    if (k == 0) {
        fn(acc);
        return;
    }
    for (int i = k - 1; i < n; ++i) {
        ForEachSubsetOf(positions, i, k - 1, acc | Bit(positions[i]), fn);
    }
}

// Calls fn(subset) for every k-element subset of the set.
template <typename Fn>
void ForEachSubset(NumberBits set, int k, Fn&& fn) {
    int positions[64];
    int n = 0;
    for (; set != 0; set &= set - 1) {
        positions[n++] = std::countr_zero(set);
    }
    if (k <= n) {
        ForEachSubsetOf(positions, n, k, NumberBits{0}, fn);
    }
}

// All positions 0 to v - 1.
constexpr NumberBits AllPositions(int v) {
    return v >= 64 ? ~NumberBits{0} : Bit(v) - 1;
}

}  // namespace kulko
