#pragma once

#include <bit>
#include <cstdint>

#include "game/number_bits.hpp"

namespace kulko {

// The search's own random source (xoshiro256**, seeded through splitmix64),
// so that one seed gives the same system on every machine and library.
class SearchRandom {
  public:
    explicit SearchRandom(std::uint64_t seed) {
        for (std::uint64_t& word : state_) {
            seed += 0x9e3779b97f4a7c15u;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t Next() {
        const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = std::rotl(state_[3], 45);
        return result;
    }

    // 0 to n - 1 (n > 0), by the high bits of a 64 by 32 bit product.
    std::uint32_t Below(std::uint32_t n) {
        return static_cast<std::uint32_t>(((Next() >> 32) * n) >> 32);
    }

    // A real number in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

    // One of the members of a non-empty set, each as likely.
    int MemberOf(std::uint64_t set) {
        for (std::uint32_t skip = Below(static_cast<std::uint32_t>(CountBits(set))); skip > 0;
             --skip) {
            set &= set - 1;
        }
        return std::countr_zero(set);
    }

  private:
    std::uint64_t state_[4];
};

}  // namespace kulko
