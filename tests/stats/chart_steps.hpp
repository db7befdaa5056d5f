#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "canvas/canvas.hpp"

namespace kulko::test {

// A canvas replayed the way the window replays it: each line, dot and text
// with the pen or font colour in force when it is drawn.
struct DrawnShape {
    Rgb color;
    int width = 1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const DrawnShape&) const = default;
};
struct DrawnText {
    Rgb color;
    int x = 0, y = 0;
    std::string text;
    bool operator==(const DrawnText&) const = default;
};
struct ReplayedCanvas {
    std::vector<DrawnShape> lines;
    std::vector<DrawnShape> dots;
    std::vector<DrawnText> texts;
};

inline ReplayedCanvas Replay(const Canvas& canvas) {
    ReplayedCanvas out;
    Rgb pen = colors::kBlack;
    int width = 1;
    Rgb font = colors::kBlack;
    for (const CanvasStep& step : canvas.Steps()) {
        switch (step.kind) {
            case CanvasStep::Kind::Pen:
                pen = step.color;
                width = step.width;
                break;
            case CanvasStep::Kind::FontColor:
                font = step.color;
                break;
            case CanvasStep::Kind::Line:
                out.lines.push_back({pen, width, step.x1, step.y1, step.x2, step.y2});
                break;
            case CanvasStep::Kind::Ellipse:
                out.dots.push_back({pen, width, step.x1, step.y1, step.x2, step.y2});
                break;
            case CanvasStep::Kind::Text:
                out.texts.push_back({font, step.x1, step.y1, step.text});
                break;
        }
    }
    return out;
}

// The dots of one series, in drawing order: boxes 6 pixels wide drawn with
// a pen of this width (5 for the results, 4 for the draw log). The legend's
// dots are 5 pixels wide and are left out.
inline std::vector<DrawnShape> SeriesDots(const ReplayedCanvas& replayed, int penWidth) {
    std::vector<DrawnShape> dots;
    std::copy_if(
        replayed.dots.begin(), replayed.dots.end(), std::back_inserter(dots),
        [&](const DrawnShape& dot) { return dot.width == penWidth && dot.x2 - dot.x1 == 6; });
    return dots;
}

inline const DrawnText* FindText(const ReplayedCanvas& replayed, int x, int y) {
    for (const DrawnText& text : replayed.texts) {
        if (text.x == x && text.y == y) {
            return &text;
        }
    }
    return nullptr;
}

}  // namespace kulko::test
