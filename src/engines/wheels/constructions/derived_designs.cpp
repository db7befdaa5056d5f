#include "wheels/constructions/derived_designs.hpp"

namespace kulko {

Tickets DerivedDesign(const Tickets& design, int point) {
    Tickets derived;
    for (const NumberBits block : design) {
        if ((block & Bit(point)) != 0) {
            derived.push_back(block & ~Bit(point));
        }
    }
    return derived;
}

Tickets WithNumbers(const Tickets& blocks, NumberBits added) {
    Tickets with;
    with.reserve(blocks.size());
    for (const NumberBits block : blocks) {
        with.push_back(block | added);
    }
    return with;
}

Tickets PairsOf22ByTriples() {
    constexpr int kOrder = 7;
    // Point x of copy i is x + 7 i; the copies follow one another in a cycle.
    const auto point = [](int x, int copy) { return Bit(x + kOrder * (copy % 3)); };
    Tickets triples;
    for (int x = 0; x < kOrder; ++x) {
        triples.push_back(point(x, 0) | point(x, 1) | point(x, 2));
        for (int y = x + 1; y < kOrder; ++y) {
            const int middle = (x + y) * 4 % kOrder;  // (x + y) / 2, as 4 = 1/2 mod 7
            for (int copy = 0; copy < 3; ++copy) {
                triples.push_back(point(x, copy) | point(y, copy) | point(middle, copy + 1));
            }
        }
    }
    for (int first = 0; first < 3 * kOrder; first += 2) {
        triples.push_back(Bit(21) | Bit(first) | Bit((first + 1) % (3 * kOrder)));
    }
    return triples;
}

}  // namespace kulko
