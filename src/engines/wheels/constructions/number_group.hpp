#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "wheels/ticket.hpp"

namespace kulko {

// A group of permutations of the positions 0 to v - 1, every element
// listed, the identity first. A system made of whole orbits of tickets
// under such a group is described by a few base tickets, and a search over
// those looks at far fewer systems than one over single tickets.
class NumberGroup {
  public:
    using Permutation = std::array<std::uint8_t, 64>;

    // Z_n turning `cycles` rows of n positions each (row c holds c * n to
    // c * n + n - 1) by the same shift, with `fixed` positions after them
    // that stay where they are: v = cycles * n + fixed. With a multiplier
    // m (prime to n) the maps are x -> m^k x + b modulo n: the Singer cycle
    // of a projective plane with its multipliers, "Z21:2".
    static NumberGroup Cyclic(int n, int cycles, int fixed, int multiplier = 1);
    // The maps x -> a x + b of the field of q elements (positions 0 to
    // q - 1) with a from the multiplicative subgroup of the given order (a
    // divisor of q - 1), and `fixed` positions after the field. With more
    // rows, each row r (positions r * q to r * q + q - 1) is a copy of the
    // field that every map moves alike. With automorphisms above 1 (a
    // divisor of the field's degree n), the maps x -> a s(x) + b, s one of
    // that many powers of x -> x^p: "AGL(1,16):2" holds x -> a x^4 + b.
    static NumberGroup Affine(int q, int multipliers, int fixed, int rows = 1,
                              int automorphisms = 1);

    int V() const { return v_; }
    std::size_t Order() const { return elements_.size(); }
    NumberBits Image(std::size_t element, NumberBits set) const;
    int ImageOf(std::size_t element, int point) const {
        return elements_[element][static_cast<std::size_t>(point)];
    }
    int PreimageOf(std::size_t element, int point) const {
        return inverses_[element][static_cast<std::size_t>(point)];
    }
    // Every image of every base ticket, each once.
    Tickets Orbits(const Tickets& bases) const;
    // "Z13x2+1", "AGL(1,25)/6+1": the group as the table of systems names it.
    const std::string& Name() const { return name_; }

  private:
    NumberGroup(int v, std::vector<Permutation> elements, std::string name);

    int v_;
    std::vector<Permutation> elements_;
    std::vector<Permutation> inverses_;
    std::string name_;
};

}  // namespace kulko
