// Writes the 49 ball pictures of the program: "1.jpg" to "49.jpg", 50 x 50
// pixels each, into the folder given as the only argument ("Ikonki" when
// none is given). A shaded ball in the colour of its tens, a white disc and
// the number drawn with round strokes, every pixel sampled 4 x 4 times for
// smooth edges.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// After <cstddef> and <cstdio>: libjpeg's header needs size_t and FILE.
#include <jpeglib.h>

namespace {

constexpr int kSize = 50;
constexpr int kSamples = 4;
constexpr double kBallRadius = 23.5;
constexpr double kDiscRadius = 14.0;
constexpr double kStrokeHalfWidth = 1.15;

struct Colour {
    double r, g, b;
};

struct Point {
    double x, y;
};

// Digits as strokes in a box 4 units wide and 8 high, y downwards.
using Stroke = std::vector<Point>;
const std::array<std::vector<Stroke>, 10> kDigits = {{
    {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 7}, {3, 8}, {1, 8}, {0, 7}, {0, 1}}},
    {{{0.8, 1.8}, {2.6, 0}, {2.6, 8}}},
    {{{0, 1.2}, {1, 0}, {3, 0}, {4, 1}, {4, 3}, {0, 8}, {4, 8}}},
    {{{0, 0}, {4, 0}, {1.8, 3.5}, {3, 3.5}, {4, 4.6}, {4, 7}, {3, 8}, {1, 8}, {0, 7}}},
    {{{3, 8}, {3, 0}, {0, 5.8}, {4.2, 5.8}}},
    {{{4, 0}, {0.3, 0}, {0, 3.6}, {3, 3.4}, {4, 4.5}, {4, 7}, {3, 8}, {0, 8}}},
    {{{3.6, 0}, {1.2, 0}, {0, 1.6}, {0, 7}, {1, 8}, {3, 8}, {4, 7}, {4, 5}, {3, 4}, {0, 4}}},
    {{{0, 0}, {4, 0}, {1.4, 8}}},
    {{{1, 0}, {3, 0}, {4, 1}, {4, 2.8}, {3, 3.8}, {1, 3.8}, {0, 2.8}, {0, 1}, {1, 0}},
     {{1, 3.8}, {0, 4.8}, {0, 7}, {1, 8}, {3, 8}, {4, 7}, {4, 4.8}, {3, 3.8}}},
    {{{4, 4}, {1, 4}, {0, 3}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6.4}, {2.4, 8}, {0.4, 8}}},
}};

// One colour per ten, so that a glance tells the range of a number.
Colour BallColour(int number) {
    static constexpr std::array<Colour, 5> kTens = {{
        {250, 196, 30},  // 1 to 9: yellow
        {40, 110, 225},  // 10 to 19: blue
        {215, 45, 45},   // 20 to 29: red
        {35, 160, 80},   // 30 to 39: green
        {140, 70, 200},  // 40 to 49: violet
    }};
    return kTens[static_cast<std::size_t>(number / 10)];
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

struct Glyph {
    Point origin;  // top-left of the 4 x 8 box in pixels
    double scale;  // pixels per unit
    int digit;
};

bool OnDigits(Point p, const std::vector<Glyph>& glyphs) {
    for (const Glyph& glyph : glyphs) {
        for (const Stroke& stroke : kDigits[static_cast<std::size_t>(glyph.digit)]) {
            for (std::size_t i = 0; i + 1 < stroke.size(); ++i) {
                const Point a{glyph.origin.x + stroke[i].x * glyph.scale,
                              glyph.origin.y + stroke[i].y * glyph.scale};
                const Point b{glyph.origin.x + stroke[i + 1].x * glyph.scale,
                              glyph.origin.y + stroke[i + 1].y * glyph.scale};
                if (DistanceToSegment(p, a, b) <= kStrokeHalfWidth) {
                    return true;
                }
            }
        }
    }
    return false;
}

std::vector<Glyph> GlyphsOf(int number, Point centre) {
    const std::string text = std::to_string(number);
    const double scale = 1.55;
    const double width = 4 * scale;
    const double gap = 2.6;
    const double total =
        static_cast<double>(text.size()) * width + static_cast<double>(text.size() - 1) * gap;
    std::vector<Glyph> glyphs;
    double x = centre.x - total / 2;
    for (char c : text) {
        glyphs.push_back({{x, centre.y - 4 * scale}, scale, c - '0'});
        x += width + gap;
    }
    return glyphs;
}

// The colour at one sample point of the picture.
Colour Sample(Point p, Colour ball, const std::vector<Glyph>& glyphs) {
    const Point centre{kSize / 2.0, kSize / 2.0};
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    const double r = std::hypot(dx, dy);
    if (r > kBallRadius) {
        return {255, 255, 255};
    }
    if (r <= kDiscRadius) {
        if (OnDigits(p, glyphs)) {
            return {20, 24, 90};
        }
        return r > kDiscRadius - 0.9 ? Colour{90, 90, 90} : Colour{252, 252, 250};
    }
    // A sphere lit from the upper left, with a soft highlight.
    const double nx = dx / kBallRadius;
    const double ny = dy / kBallRadius;
    const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
    const double lx = -0.45, ly = -0.55, lz = 0.70;
    const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
    const double light = 0.35 + 0.75 * diffuse;
    const double highlight = std::pow(diffuse, 24) * 170;
    const auto channel = [&](double c) { return std::min(255.0, c * light + highlight); };
    return {channel(ball.r), channel(ball.g), channel(ball.b)};
}

std::vector<unsigned char> Render(int number) {
    const Colour ball = BallColour(number);
    const std::vector<Glyph> glyphs = GlyphsOf(number, {kSize / 2.0, kSize / 2.0});
    std::vector<unsigned char> rgb(static_cast<std::size_t>(kSize * kSize * 3));
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Colour sum{0, 0, 0};
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
                    const Colour c = Sample(p, ball, glyphs);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            const double n = kSamples * kSamples;
            unsigned char* out = &rgb[static_cast<std::size_t>((y * kSize + x) * 3)];
            out[0] = static_cast<unsigned char>(std::lround(sum.r / n));
            out[1] = static_cast<unsigned char>(std::lround(sum.g / n));
            out[2] = static_cast<unsigned char>(std::lround(sum.b / n));
        }
    }
    return rgb;
}

bool WriteJpeg(const std::filesystem::path& file, std::vector<unsigned char>& rgb) {
    FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = kSize;
    info.image_height = kSize;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &rgb[static_cast<std::size_t>(info.next_scanline) * kSize * 3];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "Ikonki";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (int number = 1; number <= 49; ++number) {
        std::vector<unsigned char> rgb = Render(number);
        const std::filesystem::path file = folder / (std::to_string(number) + ".jpg");
        if (!WriteJpeg(file, rgb)) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
