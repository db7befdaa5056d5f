#pragma once

#include <cstdint>

namespace kulko {

// The 32-bit linear congruential generator the generator has always used:
// seed := seed * 134775813 + 1 (mod 2^32); a draw over n values returns the
// high 32 bits of seed * n. Bit-exact, so a seed always gives the same sets.
class RandomSource {
  public:
    explicit RandomSource(std::uint32_t seed = 0) : seed_(seed) {}

    void Seed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t State() const { return seed_; }

    // A value from 0 to n - 1.
    std::uint32_t Draw(std::uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
    }

  private:
    std::uint32_t seed_;
};

}  // namespace kulko
