#include "wheels/known_records.hpp"

#include <array>

namespace kulko {
namespace {

struct Cell {
    int v;
    int t;
    int m;
    std::size_t smallest;
    std::size_t lowerBound;
};

// Covering numbers C(v, 6, t) and a few covering designs with m > t, as the
// La Jolla Covering Repository lists them: the smallest size published and,
// where it is not proven the smallest, the best lower bound.
constexpr std::array kCells = {
    Cell{7, 3, 3, 4, 4},          Cell{8, 3, 3, 4, 4},          Cell{9, 3, 3, 7, 7},
    Cell{10, 3, 3, 10, 10},       Cell{11, 3, 3, 11, 11},       Cell{12, 3, 3, 15, 15},
    Cell{13, 3, 3, 21, 20},       Cell{14, 3, 3, 25, 24},       Cell{15, 3, 3, 31, 30},
    Cell{16, 3, 3, 38, 35},       Cell{17, 3, 3, 44, 43},       Cell{18, 3, 3, 48, 48},
    Cell{19, 3, 3, 60, 57},       Cell{20, 3, 3, 71, 64},       Cell{21, 3, 3, 77, 74},
    Cell{22, 3, 3, 77, 77},       Cell{23, 3, 3, 104, 104},     Cell{24, 3, 3, 116, 112},
    Cell{25, 3, 3, 130, 125},     Cell{26, 3, 3, 130, 130},     Cell{27, 3, 3, 167, 167},
    Cell{28, 3, 3, 185, 178},     Cell{29, 3, 3, 217, 194},     Cell{30, 3, 3, 225, 210},
    Cell{49, 3, 3, 1042, 948},    Cell{7, 4, 4, 5, 5},          Cell{8, 4, 4, 7, 7},
    Cell{9, 4, 4, 12, 12},        Cell{10, 4, 4, 20, 20},       Cell{11, 4, 4, 32, 32},
    Cell{12, 4, 4, 41, 40},       Cell{13, 4, 4, 66, 59},       Cell{14, 4, 4, 80, 75},
    Cell{15, 4, 4, 117, 93},      Cell{16, 4, 4, 152, 144},     Cell{17, 4, 4, 188, 173},
    Cell{18, 4, 4, 236, 205},     Cell{19, 4, 4, 325, 298},     Cell{20, 4, 4, 382, 344},
    Cell{21, 4, 4, 484, 434},     Cell{22, 4, 4, 580, 539},     Cell{23, 4, 4, 716, 625},
    Cell{24, 4, 4, 784, 720},     Cell{25, 4, 4, 992, 925},     Cell{26, 4, 4, 1152, 1040},
    Cell{27, 4, 4, 1170, 1170},   Cell{28, 4, 4, 1489, 1489},   Cell{29, 4, 4, 1802, 1653},
    Cell{30, 4, 4, 2171, 1830},   Cell{7, 5, 5, 6, 6},          Cell{8, 5, 5, 12, 12},
    Cell{9, 5, 5, 30, 30},        Cell{10, 5, 5, 50, 50},       Cell{11, 5, 5, 100, 96},
    Cell{12, 5, 5, 132, 132},     Cell{13, 5, 5, 245, 245},     Cell{14, 5, 5, 371, 348},
    Cell{15, 5, 5, 578, 548},     Cell{16, 5, 5, 808, 731},     Cell{17, 5, 5, 1213, 1125},
    Cell{18, 5, 5, 1546, 1431},   Cell{19, 5, 5, 2175, 2087},   Cell{20, 5, 5, 2850, 2624},
    Cell{21, 5, 5, 3908, 3598},   Cell{22, 5, 5, 4676, 4389},   Cell{23, 5, 5, 6161, 5938},
    Cell{24, 5, 5, 7084, 7084},   Cell{25, 5, 5, 9321, 9321},   Cell{26, 5, 5, 11570, 11050},
    Cell{27, 5, 5, 14693, 14040}, Cell{28, 5, 5, 16744, 16380}, Cell{29, 5, 5, 21047, 20653},
    Cell{30, 5, 5, 25015, 23755}, Cell{14, 3, 5, 5, 5},         Cell{15, 3, 5, 7, 0},
    Cell{16, 3, 6, 5, 5},         Cell{49, 3, 6, 163, 0},
};

}  // namespace

std::optional<KnownRecord> FindKnownRecord(int v, Guarantee guarantee) {
    for (const Cell& cell : kCells) {
        if (cell.v == v && cell.t == guarantee.t && cell.m == guarantee.m) {
            return KnownRecord{cell.smallest, cell.lowerBound};
        }
    }
    return std::nullopt;
}

}  // namespace kulko
