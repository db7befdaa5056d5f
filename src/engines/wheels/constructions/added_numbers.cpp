#include "wheels/constructions/added_numbers.hpp"

#include <algorithm>

#include "wheels/constructions/derived_designs.hpp"
#include "wheels/constructions/galois_field.hpp"
#include "wheels/constructions/steiner_systems.hpp"

namespace kulko {
namespace {

// Number `extra` with the numbers 0 to v - 1, four at a time (the last
// block filled up from the start).
void AddPairsWith(int extra, int v, Tickets& blocks) {
    for (int first = 0; first < v; first += 4) {
        NumberBits block = Bit(extra);
        for (int i = 0; i < 4; ++i) {
            block |= Bit((first + i) % v);
        }
        blocks.push_back(block);
    }
}

}  // namespace

Tickets AddNumbers(const Tickets& system, int v, const Tickets& blocks, int added) {
    Tickets tickets = system;
    NumberBits fresh = 0;
    for (int i = 0; i < added; ++i) {
        fresh |= Bit(v + i);
    }
    const Tickets with = WithNumbers(blocks, fresh);
    tickets.insert(tickets.end(), with.begin(), with.end());
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

Tickets PairsOf26ByFives() {
    const GaloisField field(5);
    Tickets blocks;
    // The lines y = m x + b, and x = c.
    for (int m = 0; m < 5; ++m) {
        for (int b = 0; b < 5; ++b) {
            NumberBits line = 0;
            for (int x = 0; x < 5; ++x) {
                line |= Bit(x + 5 * field.Add(field.Mul(m, x), b));
            }
            blocks.push_back(line);
        }
    }
    for (int c = 0; c < 5; ++c) {
        NumberBits line = 0;
        for (int y = 0; y < 5; ++y) {
            line |= Bit(c + 5 * y);
        }
        blocks.push_back(line);
    }
    AddPairsWith(25, 25, blocks);
    return blocks;
}

Tickets PairsOf22ByFives() {
    // The lines of the plane are the blocks of S(3,6,22) through its point
    // 21, less that point.
    Tickets blocks = DerivedDesign(SteinerSystem3of22(), 21);
    AddPairsWith(21, 21, blocks);
    return blocks;
}

}  // namespace kulko
