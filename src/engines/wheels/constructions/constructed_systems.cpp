#include "wheels/constructions/constructed_systems.hpp"

#include <optional>

#include "wheels/constructions/added_numbers.hpp"
#include "wheels/constructions/galois_field.hpp"
#include "wheels/constructions/number_group.hpp"
#include "wheels/constructions/projective_line.hpp"
#include "wheels/constructions/steiner_systems.hpp"

namespace kulko {
namespace {

// A system of whole orbits that the orbit search found: the group, and the
// base tickets, six positions each, one after the other.
struct OrbitSystem {
    int v;
    Guarantee guarantee;
    NumberGroup (*group)();
    std::vector<int> bases;
};

const std::vector<OrbitSystem>& OrbitSystems() {
    // Found by make_constructed --orbity (the orbit search, OrbitSearch),
    // the first two.
    static const std::vector<OrbitSystem> systems = {
        // 48 tickets, 8 orbits of Z6x3.
        {18,
         {3, 3},
         [] { return NumberGroup::Cyclic(6, 3, 0); },
         {2, 5, 8, 9, 15, 16, 0, 1, 2, 4, 9,  13, 0, 2, 8, 10, 12, 14, 0, 7, 8,  9,  11, 12,
          2, 4, 6, 8, 12, 14, 2, 3, 7, 8, 13, 16, 1, 2, 8, 11, 16, 17, 1, 9, 12, 13, 14, 16}},
        // 104 tickets, 8 orbits of Z13x2+1.
        {27,
         {3, 4},
         [] { return NumberGroup::Cyclic(13, 2, 1); },
         {2, 5, 15, 20, 24, 25, 0, 2, 6,  16, 24, 26, 1, 3,  5,  6,  21, 23, 1, 8, 11, 12, 13, 14,
          3, 4, 12, 14, 16, 20, 1, 8, 15, 21, 23, 26, 2, 13, 14, 20, 21, 23, 4, 9, 10, 12, 18, 21}},
        // Found by make_constructed --pokrycie: the lightest set of whole
        // orbits of an affine group that meets every target (where marked
        // so, else the best the branch and bound reached in its time).
        // 1170 tickets, 3 orbits of AGL(1,27).
        {27,
         {4, 4},
         [] { return NumberGroup::Affine(27, 26, 0); },
         {0, 1, 2, 3, 4, 5, 3, 4, 7, 9, 12, 13, 1, 3, 6, 9, 10, 11}},
        // 1521 tickets, 4 orbits of AGL(1,27)+1.
        {28, {4, 4}, [] { return NumberGroup::Affine(27, 26, 1); }, {0,  1,  2, 3, 6, 27, 0,  1,
                                                                     2,  3,  4, 5, 3, 4,  7,  9,
                                                                     12, 13, 1, 3, 6, 9,  10, 11}},
        // 2030 tickets, 3 orbits of AGL(1,29).
        {29,
         {4, 4},
         [] { return NumberGroup::Affine(29, 28, 0); },
         {0, 2, 3, 4, 5, 7, 0, 1, 3, 6, 7, 9, 0, 1, 4, 5, 10, 11}},
        // 759 tickets, 3 orbits of AGL(1,23)/2.
        {23,
         {4, 4},
         [] { return NumberGroup::Affine(23, 11, 0); },
         {0, 1, 2, 6, 7, 8, 0, 2, 4, 5, 6, 9, 0, 3, 4, 5, 7, 9}},
        // 1012 tickets, 4 orbits of AGL(1,23)/2+1.
        {24, {4, 4}, [] { return NumberGroup::Affine(23, 11, 1); }, {0, 1, 3, 4,  5, 7, 0, 4,
                                                                     5, 6, 9, 23, 0, 2, 3, 4,
                                                                     8, 9, 0, 4,  6, 7, 9, 10}},
        // 1200 tickets, 12 orbits of AGL(1,25)/3.
        {25,
         {4, 4},
         [] { return NumberGroup::Affine(25, 8, 0); },
         {1, 2, 3, 5, 6,  7,  2, 5, 7, 8, 9,  10, 2, 6, 8, 11, 14, 15, 3, 7, 9, 11, 14, 15,
          0, 4, 7, 8, 10, 11, 1, 2, 4, 5, 6,  8,  1, 2, 8, 9,  10, 11, 1, 3, 5, 8,  10, 12,
          1, 4, 7, 9, 10, 12, 1, 3, 6, 7, 10, 12, 4, 8, 9, 10, 11, 15, 2, 3, 5, 8,  10, 11}},
        // 1430 tickets, 13 orbits of AGL(1,25)/3+1.
        {26,
         {4, 4},
         [] { return NumberGroup::Affine(25, 8, 1); },
         {0,  1,  2, 3, 4,  25, 4,  8,  12, 16, 20, 25, 3, 6,  14, 17, 20, 25, 1,  2,
          3,  5,  6, 7, 3,  4,  5,  9,  10, 11, 4,  7,  8, 11, 15, 20, 1,  2,  3,  8,
          11, 15, 1, 4, 6,  7,  10, 25, 0,  3,  4,  6,  7, 10, 3,  7,  9,  11, 14, 15,
          0,  3,  7, 9, 10, 15, 2,  3,  9,  10, 11, 25, 1, 2,  8,  9,  10, 11}},
        // 1700 tickets, 9 orbits of AGL(1,17)+1.
        {18,
         {5, 5},
         [] { return NumberGroup::Affine(17, 16, 1); },
         {0, 3, 4,  5, 8, 17, 0, 1, 2, 3, 4, 17, 0, 1, 2, 3, 6, 10, 0, 1, 3, 5, 6, 17, 0, 1, 3,
          5, 7, 17, 0, 1, 4,  5, 7, 9, 0, 2, 4,  5, 6, 9, 0, 1, 2,  5, 6, 7, 0, 2, 3,  4, 5, 7}},
        // 13530 tickets, 83 orbits of AGL(1,25)/3+1.
        {26,
         {5, 5},
         [] { return NumberGroup::Affine(25, 8, 1); },
         {0, 1, 2, 3,  4,  25, 4, 8, 12, 16, 20, 25, 3, 6, 14, 17, 20, 25, 2, 5, 6, 7,  10, 25,
          1, 5, 6, 8,  10, 25, 0, 5, 7,  8,  10, 25, 4, 6, 7,  8,  10, 25, 4, 5, 7, 9,  10, 25,
          3, 6, 7, 9,  10, 25, 3, 5, 8,  9,  10, 25, 2, 6, 8,  9,  10, 25, 1, 7, 8, 9,  10, 25,
          3, 4, 7, 10, 11, 25, 0, 1, 8,  10, 11, 25, 2, 3, 9,  10, 11, 25, 1, 4, 8, 10, 12, 25,
          1, 3, 9, 10, 12, 25, 3, 9, 12, 16, 20, 25, 0, 1, 2,  3,  5,  6,  0, 1, 3, 4,  5,  7,
          0, 2, 4, 5,  6,  7,  0, 1, 4,  5,  6,  10, 2, 3, 4,  5,  6,  10, 1, 2, 3, 5,  7,  10,
          0, 2, 3, 6,  7,  10, 0, 2, 4,  5,  8,  10, 1, 4, 5,  7,  10, 11, 2, 4, 6, 7,  10, 11,
          2, 3, 5, 8,  10, 11, 1, 4, 6,  8,  10, 11, 0, 2, 7,  8,  10, 11, 2, 4, 5, 9,  10, 11,
          0, 1, 7, 9,  10, 11, 1, 2, 8,  9,  10, 11, 1, 3, 6,  7,  10, 12, 2, 4, 6, 8,  10, 12,
          0, 2, 4, 6,  10, 15, 3, 5, 6,  7,  10, 15, 1, 2, 4,  8,  10, 15, 0, 3, 7, 9,  10, 15,
          1, 2, 4, 7,  11, 15, 1, 2, 3,  8,  11, 15, 2, 4, 5,  8,  11, 15, 2, 3, 6, 9,  11, 15,
          3, 4, 8, 10, 11, 15, 0, 1, 4,  9,  12, 15, 3, 6, 7,  11, 12, 15, 1, 4, 8, 11, 12, 15,
          2, 6, 8, 11, 14, 15, 3, 7, 9,  11, 14, 15, 0, 3, 6,  10, 11, 25, 2, 3, 4, 8,  9,  10,
          1, 2, 3, 9,  10, 15, 0, 3, 4,  6,  12, 15, 1, 3, 6,  9,  12, 15, 2, 3, 7, 9,  12, 15,
          3, 8, 9, 10, 12, 15, 4, 6, 7,  10, 13, 15, 0, 2, 8,  9,  10, 25, 0, 1, 3, 4,  9,  10,
          0, 2, 6, 9,  10, 11, 0, 3, 8,  9,  10, 11, 0, 2, 3,  9,  10, 12, 1, 6, 7, 9,  10, 15,
          4, 5, 7, 9,  11, 15, 0, 8, 9,  11, 12, 15, 1, 3, 5,  6,  10, 25, 2, 4, 8, 9,  10, 25,
          3, 4, 6, 10, 15, 25, 1, 2, 3,  6,  9,  10, 3, 4, 5,  8,  10, 11, 0, 1, 3, 8,  10, 12,
          2, 7, 8, 9,  11, 15, 2, 8, 10, 11, 13, 15, 1, 3, 5,  7,  10, 25, 1, 3, 4, 7,  10, 15,
          0, 3, 4, 9,  11, 15, 3, 5, 7,  10, 11, 15, 1, 5, 8,  9,  13, 15, 0, 7, 9, 11, 13, 15,
          0, 4, 6, 8,  10, 25, 0, 4, 5,  6,  7,  10, 0, 1, 7,  9,  13, 15}},
        // 29435 tickets, 43 orbits of AGL(1,29)+1.
        {30,
         {5, 5},
         [] { return NumberGroup::Affine(29, 28, 1); },
         {0, 3, 5, 7, 10, 29, 0, 1, 2, 3, 4,  29, 0, 1, 3, 5, 6,  29, 0, 3, 4, 5, 8,  29,
          0, 1, 4, 7, 8,  29, 0, 4, 5, 6, 10, 29, 0, 1, 2, 4, 5,  6,  0, 2, 3, 4, 5,  7,
          0, 1, 3, 4, 6,  7,  0, 1, 2, 3, 6,  8,  0, 1, 3, 5, 7,  8,  0, 2, 3, 4, 6,  9,
          0, 1, 4, 5, 7,  9,  0, 1, 2, 6, 7,  9,  0, 1, 4, 5, 8,  10, 0, 1, 2, 4, 9,  10,
          0, 1, 3, 7, 9,  10, 0, 1, 3, 4, 9,  11, 0, 4, 5, 7, 8,  12, 0, 1, 3, 5, 9,  12,
          0, 1, 2, 5, 9,  13, 0, 4, 6, 7, 9,  13, 0, 1, 2, 7, 11, 14, 0, 2, 3, 4, 8,  15,
          0, 1, 3, 7, 12, 29, 0, 2, 3, 4, 7,  10, 0, 1, 4, 6, 7,  11, 0, 1, 4, 5, 6,  12,
          0, 2, 3, 7, 11, 13, 0, 1, 3, 8, 10, 29, 0, 3, 7, 8, 13, 29, 0, 1, 3, 5, 6,  11,
          0, 2, 6, 8, 9,  12, 0, 1, 2, 5, 11, 12, 0, 1, 3, 4, 5,  13, 0, 1, 6, 9, 11, 13,
          0, 1, 2, 4, 10, 15, 0, 2, 7, 8, 9,  13, 0, 1, 6, 7, 8,  11, 0, 1, 2, 4, 6,  12,
          0, 1, 5, 7, 10, 13, 0, 1, 2, 6, 8,  29, 0, 2, 5, 6, 13, 29}},
        // 741 tickets, 5 orbits of AGL(1,19)/2.
        {19, {5, 6}, [] { return NumberGroup::Affine(19, 9, 0); }, {0, 2,  3, 4, 5, 7, 0, 2, 3, 7,
                                                                    8, 10, 0, 1, 2, 3, 4, 7, 0, 2,
                                                                    5, 7,  8, 9, 0, 1, 2, 4, 6, 7}},
        // 500 tickets, 2 orbits of AGL(1,25).
        {25,
         {4, 5},
         [] { return NumberGroup::Affine(25, 24, 0); },
         {3, 5, 6, 7, 8, 10, 0, 4, 5, 7, 11, 15}},
        // 702 tickets, 1 orbits of AGL(1,27).
        {27, {4, 5}, [] { return NumberGroup::Affine(27, 26, 0); }, {0, 1, 2, 4, 5, 9}},
        // 351 tickets, 3 orbits of AGL(1,27).
        {27,
         {4, 6},
         [] { return NumberGroup::Affine(27, 26, 0); },
         {0, 1, 3, 4, 6, 7, 0, 1, 2, 3, 4, 5, 1, 2, 3, 5, 6, 7}},
        // 819 tickets, 3 orbits of AGL(1,27)/2+1.
        {28,
         {4, 5},
         [] { return NumberGroup::Affine(27, 13, 1); },
         {0, 1, 3, 4, 6, 7, 0, 2, 3, 4, 9, 27, 0, 2, 7, 9, 10, 12}},
    };
    return systems;
}

// Blocks of four that cover every pair of 22, 26, 27 and 28 numbers (40,
// 59, 62 and 67 of them), found by make_constructed --bloki.
constexpr int kPairsOf22ByFours[] = {
    5,  6,  8,  19, 7,  15, 19, 20, 2,  11, 18, 19, 3,  7,  8,  12, 4,  17, 18, 20, 14, 16, 17,
    21, 5,  7,  9,  21, 1,  7,  13, 18, 2,  6,  10, 12, 4,  6,  7,  16, 1,  4,  11, 14, 3,  14,
    15, 19, 1,  9,  12, 19, 0,  12, 20, 21, 1,  5,  6,  20, 8,  11, 13, 21, 9,  10, 13, 15, 4,
    5,  12, 15, 6,  9,  15, 17, 0,  5,  10, 18, 3,  6,  18, 21, 8,  10, 14, 20, 7,  10, 11, 17,
    0,  6,  11, 15, 5,  11, 12, 16, 8,  15, 16, 18, 1,  3,  10, 16, 0,  3,  4,  13, 4,  10, 19,
    21, 0,  1,  8,  17, 0,  2,  7,  14, 2,  4,  8,  9,  5,  6,  13, 14, 2,  13, 16, 20, 1,  2,
    15, 21, 12, 13, 17, 19, 9,  12, 14, 18, 2,  3,  5,  17, 3,  9,  11, 20, 0,  9,  16, 19};
constexpr int kPairsOf26ByFours[] = {
    12, 14, 19, 23, 3,  14, 17, 22, 3,  4,  5,  11, 0,  8,  10, 18, 4,  7,  13, 20, 8,  11, 16, 25,
    1,  3,  8,  18, 4,  18, 22, 24, 0,  15, 23, 24, 0,  9,  17, 25, 5,  6,  8,  13, 1,  6,  20, 23,
    11, 20, 21, 22, 3,  7,  16, 19, 2,  8,  22, 23, 5,  12, 16, 20, 9,  10, 15, 20, 4,  5,  23, 25,
    1,  7,  12, 22, 0,  1,  7,  11, 2,  3,  13, 21, 8,  17, 19, 20, 6,  7,  15, 18, 2,  7,  10, 25,
    0,  6,  19, 22, 3,  12, 13, 18, 10, 11, 12, 17, 5,  9,  15, 22, 16, 17, 18, 23, 2,  4,  6,  17,
    2,  14, 16, 24, 11, 13, 21, 23, 0,  9,  13, 14, 3,  20, 24, 25, 5,  18, 19, 21, 14, 18, 20, 25,
    6,  9,  16, 21, 8,  9,  12, 24, 1,  2,  12, 15, 10, 15, 17, 21, 0,  3,  15, 16, 1,  21, 24, 25,
    10, 13, 19, 24, 4,  10, 16, 22, 6,  12, 19, 25, 13, 15, 22, 25, 3,  7,  9,  23, 7,  8,  14, 21,
    5,  7,  17, 24, 1,  4,  9,  19, 0,  4,  12, 21, 2,  11, 15, 19, 3,  6,  10, 23, 6,  11, 14, 24,
    1,  13, 16, 17, 4,  8,  14, 15, 1,  5,  10, 14, 0,  2,  5,  20, 2,  9,  11, 18};
constexpr int kPairsOf27ByFours[] = {
    7,  11, 19, 26, 0,  4,  11, 18, 0,  6,  8,  22, 4,  13, 23, 26, 1,  3,  4,  17, 7,  9,  12,
    13, 5,  10, 15, 20, 7,  14, 15, 21, 9,  21, 23, 24, 3,  10, 13, 18, 0,  13, 19, 23, 7,  8,
    16, 20, 8,  11, 12, 24, 1,  5,  6,  7,  2,  7,  22, 23, 4,  9,  10, 19, 0,  1,  21, 25, 1,
    15, 24, 26, 10, 16, 21, 26, 3,  5,  11, 25, 15, 17, 19, 25, 5,  19, 22, 24, 4,  12, 16, 22,
    1,  2,  12, 19, 11, 17, 21, 22, 2,  4,  7,  21, 2,  3,  6,  9,  3,  14, 16, 24, 6,  10, 17,
    24, 6,  12, 17, 26, 1,  8,  9,  14, 3,  8,  19, 21, 9,  16, 25, 26, 2,  14, 17, 18, 0,  3,
    7,  17, 2,  12, 20, 25, 5,  16, 17, 23, 1,  18, 20, 23, 5,  12, 18, 21, 6,  11, 14, 23, 8,
    13, 15, 17, 7,  18, 24, 25, 6,  16, 18, 19, 3,  20, 22, 26, 8,  10, 23, 25, 1,  7,  10, 22,
    2,  5,  13, 24, 4,  5,  8,  14, 13, 14, 22, 25, 0,  10, 12, 14, 9,  15, 18, 22, 2,  10, 11,
    15, 14, 19, 20, 26, 2,  8,  18, 26, 0,  4,  20, 24, 4,  6,  15, 25, 9,  11, 17, 20, 0,  2,
    15, 16, 0,  5,  9,  26, 3,  12, 15, 23, 6,  13, 20, 21, 1,  11, 13, 16};

constexpr int kPairsOf28ByFours[] = {
    12, 22, 24, 27, 0,  3,  7,  21, 20, 21, 22, 23, 9,  14, 18, 26, 0,  1,  5,  18, 6,  9,  16,
    22, 5,  8,  9,  21, 3,  8,  13, 20, 6,  10, 12, 18, 3,  4,  11, 18, 4,  6,  23, 25, 5,  7,
    13, 22, 4,  5,  10, 20, 2,  16, 18, 20, 3,  16, 19, 24, 0,  6,  11, 27, 8,  12, 14, 19, 0,
    8,  16, 25, 13, 17, 18, 23, 7,  11, 14, 25, 3,  6,  23, 26, 7,  8,  18, 27, 0,  13, 19, 20,
    1,  10, 15, 19, 0,  2,  17, 22, 5,  6,  15, 25, 11, 12, 21, 23, 1,  6,  8,  24, 9,  10, 11,
    13, 6,  7,  19, 26, 1,  4,  7,  17, 1,  13, 26, 27, 4,  20, 25, 26, 3,  14, 25, 27, 2,  3,
    9,  15, 1,  3,  11, 22, 3,  5,  12, 17, 2,  7,  10, 24, 1,  11, 20, 24, 17, 21, 24, 26, 1,
    14, 16, 21, 8,  11, 15, 17, 3,  10, 21, 25, 5,  19, 23, 24, 4,  19, 21, 27, 4,  12, 13, 16,
    7,  9,  12, 20, 7,  15, 16, 23, 18, 19, 22, 25, 13, 15, 20, 27, 9,  17, 19, 25, 2,  4,  8,
    23, 1,  2,  12, 25, 0,  4,  9,  24, 1,  9,  23, 27, 2,  5,  14, 27, 13, 14, 24, 25, 5,  11,
    16, 26, 0,  10, 14, 23, 10, 16, 17, 27, 8,  10, 22, 26, 15, 18, 21, 24, 0,  12, 15, 26, 6,
    14, 17, 20, 2,  11, 19, 26, 4,  14, 15, 22, 2,  6,  13, 21};

// Blocks covering every pair of 18 numbers: 18 of five, 27 of four.
constexpr int kPairsOf18ByFives[] = {
    1,  6,  9,  13, 16, 0,  1,  2,  4,  15, 1,  3,  5,  6,  17, 4,  5,  11, 12, 13, 3,  4,  6,
    8,  14, 2,  8,  12, 13, 17, 1,  10, 11, 13, 14, 0,  6,  7,  11, 17, 4,  7,  10, 16, 17, 4,
    9,  14, 15, 17, 0,  3,  12, 14, 16, 2,  3,  9,  10, 11, 2,  5,  7,  14, 16, 0,  3,  7,  13,
    15, 0,  5,  8,  9,  10, 5,  8,  11, 15, 16, 1,  7,  8,  9,  12, 2,  6,  10, 12, 15};
constexpr int kPairsOf18ByFours[] = {
    2,  3,  4,  7,  3,  13, 14, 16, 7, 12, 16, 17, 0, 2,  3,  12, 2,  8,  14, 15, 1,  2,
    10, 13, 0,  1,  5,  16, 4,  8,  9, 16, 1,  7,  8, 11, 6,  13, 15, 17, 4,  8,  12, 13,
    0,  9,  11, 13, 10, 12, 15, 16, 0, 4,  11, 15, 3, 10, 11, 17, 5,  7,  13, 15, 7,  9,
    10, 14, 0,  8,  10, 17, 4,  5,  6, 10, 1,  6,  9, 12, 1,  4,  14, 17, 2,  6,  11, 16,
    0,  6,  7,  14, 2,  5,  9,  17, 5, 11, 12, 14, 3, 5,  6,  8,  1,  3,  9,  15};

// Blocks of `size` positions each, one after the other.
template <std::size_t N>
Tickets Blocks(const int (&positions)[N], std::size_t size = 4) {
    Tickets blocks;
    for (std::size_t i = 0; i < N; ++i) {
        if (i % size == 0) {
            blocks.push_back(0);
        }
        blocks.back() |= Bit(positions[i]);
    }
    return blocks;
}

// The orbit system of 18 numbers (below), which numbers are added to.
Tickets With18() {
    return FindConstructedSystem(18, {3, 3})->tickets;
}

Tickets With27() {
    return AddNumbers(SteinerSystem3of26(), 26, PairsOf26ByFives(), 1);
}

Tickets With28() {
    return AddNumbers(SteinerSystem3of26(), 26, Blocks(kPairsOf26ByFours), 2);
}

struct Design {
    int v;
    Guarantee guarantee;
    const char* how;
    Tickets (*build)();
};

// The Steiner systems, and the systems with numbers added to them
// (AddNumbers).
constexpr Design kDesigns[] = {
    {12, {5, 5}, "S(5,6,12)", SteinerSystem5of12},
    // Whole orbits of PSL(2, q) on the projective line over GF(q), the
    // lightest that meet every target (make_constructed --moebius); the
    // 7,084 tickets of 24 numbers are the Steiner system S(5,6,24).
    {18,
     {4, 5},
     "PSL(2,17)",
     [] {
         return MoebiusOrbits(GaloisField(17), {{0, 3, 4, 5, 6, 9}}, true);
     }},
    {24,
     {5, 5},
     "PSL(2,23)",
     [] {
         return MoebiusOrbits(GaloisField(23),
                              {{0, 1, 2, 5, 6, 8}, {0, 1, 3, 4, 5, 6}, {0, 1, 2, 4, 7, 8}}, true);
     }},
    {28,
     {5, 5},
     "PSL(2,27)",
     [] {
         return MoebiusOrbits(
             GaloisField(27),
             {{0, 1, 3, 4, 6, 7}, {0, 1, 3, 4, 5, 9}, {2, 3, 4, 6, 7, 9}, {1, 3, 5, 6, 9, 12}},
             true);
     }},
    {19,
     {3, 3},
     "Z6x3+1",
     [] { return AddNumbers(With18(), 18, Blocks(kPairsOf18ByFives, 5), 1); }},
    {20, {3, 3}, "Z6x3+2", [] { return AddNumbers(With18(), 18, Blocks(kPairsOf18ByFours), 2); }},
    {22, {3, 3}, "S(3,6,22)", SteinerSystem3of22},
    {23,
     {3, 3},
     "S(3,6,22)+1",
     [] { return AddNumbers(SteinerSystem3of22(), 22, PairsOf22ByFives(), 1); }},
    {24,
     {3, 3},
     "S(3,6,22)+2",
     [] { return AddNumbers(SteinerSystem3of22(), 22, Blocks(kPairsOf22ByFours), 2); }},
    {26, {3, 3}, "S(3,6,26)", SteinerSystem3of26},
    {27, {3, 3}, "S(3,6,26)+1", With27},
    {28,
     {3, 3},
     "S(3,6,26)+2",
     [] { return AddNumbers(SteinerSystem3of26(), 26, Blocks(kPairsOf26ByFours), 2); }},
    {29,
     {3, 3},
     "S(3,6,26)+1+2",
     [] { return AddNumbers(With27(), 27, Blocks(kPairsOf27ByFours), 2); }},
    {30,
     {3, 3},
     "S(3,6,26)+2+2",
     [] { return AddNumbers(With28(), 28, Blocks(kPairsOf28ByFours), 2); }},
};

}  // namespace

std::optional<ConstructedSystem> FindConstructedSystem(int v, Guarantee guarantee) {
    for (const Design& design : kDesigns) {
        if (design.v == v && design.guarantee == guarantee) {
            return ConstructedSystem{v, guarantee, design.how, design.build()};
        }
    }
    for (const OrbitSystem& system : OrbitSystems()) {
        if (system.v == v && system.guarantee == guarantee) {
            const NumberGroup group = system.group();
            Tickets bases;
            for (std::size_t i = 0; i < system.bases.size(); ++i) {
                if (i % kTicketSize == 0) {
                    bases.push_back(0);
                }
                bases.back() |= Bit(system.bases[i]);
            }
            return ConstructedSystem{v, guarantee, group.Name(), group.Orbits(bases)};
        }
    }
    return std::nullopt;
}

std::vector<std::pair<int, Guarantee>> ConstructedCells() {
    std::vector<std::pair<int, Guarantee>> cells;
    for (const Design& design : kDesigns) {
        cells.emplace_back(design.v, design.guarantee);
    }
    for (const OrbitSystem& system : OrbitSystems()) {
        cells.emplace_back(system.v, system.guarantee);
    }
    return cells;
}

}  // namespace kulko
