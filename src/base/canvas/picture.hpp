#pragma once

#include <cstdint>
#include <vector>

namespace kulko {

// A decoded picture: RGB bytes, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    bool Empty() const { return width == 0 || height == 0; }
    bool operator==(const Picture&) const = default;
};

}  // namespace kulko
