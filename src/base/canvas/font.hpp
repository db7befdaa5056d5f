#pragma once

#include <string>

#include "canvas/canvas.hpp"

namespace kulko {

// How a text is drawn: the window's own face is Tahoma at 8 points.
struct Font {
    std::string family = "Tahoma";
    int pointSize = 8;
    int pixelSize = 0;  // when set, wins over pointSize
    bool bold = false;
    bool italic = false;
    Rgb color = colors::kBlack;
};

}  // namespace kulko
