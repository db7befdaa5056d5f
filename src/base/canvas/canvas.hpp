#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kulko {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb kGray{128, 128, 128};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kLightGray{212, 208, 200};
}  // namespace colors

// One drawing step in window coordinates. Pen steps change the pen for the
// steps after them; lines and ellipses use the current pen; text is drawn in
// the window font in the current font colour. The chart is filled by the
// statistics code and replayed by the screen, so the canvas is a shared type.
struct CanvasStep {
    enum class Kind : std::uint8_t { Pen, FontColor, Line, Ellipse, Text };
    Kind kind = Kind::Line;
    Rgb color{};
    int width = 1;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text;  // UTF-8
    bool operator==(const CanvasStep&) const = default;
};

// A plain list of drawing steps. The paint handler fills it and the Qt
// painter replays it, so every coordinate of the chart is testable without
// a toolkit.
//
// Canvases share their steps when one is copied or appended to an empty
// one, and the first change makes a canvas its own copy: a picture that is
// drawn again unchanged at every paint is handed on without copying it.
class Canvas {
  public:
    void SetPen(Rgb color, int width) { Add(CanvasStep::Kind::Pen, color, width); }
    void SetFontColor(Rgb color) { Add(CanvasStep::Kind::FontColor, color); }
    void Line(int x1, int y1, int x2, int y2) {
        Add(CanvasStep::Kind::Line, {}, 1, x1, y1, x2, y2);
    }
    // An ellipse by its bounding box, outlined with the pen and filled white.
    void Ellipse(int x1, int y1, int x2, int y2) {
        Add(CanvasStep::Kind::Ellipse, {}, 1, x1, y1, x2, y2);
    }
    void Text(int x, int y, std::string text) {
        Add(CanvasStep::Kind::Text, {}, 1, x, y).text = std::move(text);
    }
    // A fixed caption, written straight into its step.
    void Text(int x, int y, std::string_view text) {
        Add(CanvasStep::Kind::Text, {}, 1, x, y).text.append(text);
    }
    void Text(int x, int y, const char* text) { Text(x, y, std::string_view(text)); }
    // The steps of `other` after this canvas's own.
    void Append(const Canvas& other) {
        if (Empty()) {
            steps_ = other.steps_;
        } else if (!other.Empty()) {
            Own().insert(steps_->end(), other.steps_->begin(), other.steps_->end());
        }
    }

    // Room for this many steps, so that a long drawing is not moved as it grows.
    void Reserve(std::size_t steps) { Own().reserve(steps); }
    const std::vector<CanvasStep>& Steps() const { return steps_ ? *steps_ : kNoSteps; }
    void Clear() {
        if (steps_ && steps_.use_count() == 1) {
            steps_->clear();
        } else {
            steps_.reset();
        }
    }
    bool Empty() const { return !steps_ || steps_->empty(); }

  private:
    inline static const std::vector<CanvasStep> kNoSteps;

    // The steps, made this canvas's own before they change.
    std::vector<CanvasStep>& Own() {
        if (!steps_) {
            steps_ = std::make_shared<std::vector<CanvasStep>>();
        } else if (steps_.use_count() > 1) {
            steps_ = std::make_shared<std::vector<CanvasStep>>(*steps_);
        }
        return *steps_;
    }
    // A chart is hundreds of steps drawn at every paint: each is made in
    // its place in the list, not made aside and moved in.
    CanvasStep& Add(CanvasStep::Kind kind, Rgb color, int width = 1, int x1 = 0, int y1 = 0,
                    int x2 = 0, int y2 = 0) {
        CanvasStep& step = Own().emplace_back();
        step.kind = kind;
        step.color = color;
        step.width = width;
        step.x1 = x1;
        step.y1 = y1;
        step.x2 = x2;
        step.y2 = y2;
        return step;
    }
    std::shared_ptr<std::vector<CanvasStep>> steps_;
};

}  // namespace kulko
