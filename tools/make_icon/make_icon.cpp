// Draws the program's icon, a lottery ball showing "49", as a PNG file of the
// given size: make_icon <size> <out.png>. Needs no library: the PNG is written
// with uncompressed deflate blocks, which every reader accepts, and the
// picture is small.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

// Segments of a seven-segment digit in a unit cell (x 0..1, y 0..2):
// top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr std::array<std::uint8_t, 10> kDigitSegments = {0x3f, 0x06, 0x5b, 0x4f, 0x66,
                                                         0x6d, 0x7d, 0x07, 0x7f, 0x6f};

bool InSegment(int segment, double x, double y) {
    constexpr double w = 0.24;  // stroke width
    const auto horizontal = [&](double cy) {
        return x >= 0 && x <= 1 && std::fabs(y - cy) <= w / 2;
    };
    const auto vertical = [&](double cx, double y0) {
        return std::fabs(x - cx) <= w / 2 && y >= y0 && y <= y0 + 1;
    };
    switch (segment) {
        case 0:
            return horizontal(0);
        case 1:
            return vertical(1, 0);
        case 2:
            return vertical(1, 1);
        case 3:
            return horizontal(2);
        case 4:
            return vertical(0, 1);
        case 5:
            return vertical(0, 0);
        default:
            return horizontal(1);
    }
}

bool InDigit(int digit, double x, double y) {
    for (int s = 0; s < 7; ++s) {
        if ((kDigitSegments[static_cast<std::size_t>(digit)] >> s & 1) != 0 && InSegment(s, x, y)) {
            return true;
        }
    }
    return false;
}

// The colour at a point of the unit square (0..1 both ways).
Rgba Shade(double x, double y) {
    const double dx = x - 0.5;
    const double dy = y - 0.5;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > 0.47) {
        return {};
    }
    // A white number disc in the middle with "49" in dark blue.
    if (r < 0.27) {
        const double cell = 0.12;  // digit width; height is twice that
        const double top = 0.5 - cell;
        const double left4 = 0.5 - 0.035 - cell;
        const double left9 = 0.5 + 0.035;
        if (InDigit(4, (x - left4) / cell, (y - top) / cell) ||
            InDigit(9, (x - left9) / cell, (y - top) / cell)) {
            return {0.08, 0.16, 0.45, 1};
        }
        return {1, 1, 1, 1};
    }
    // The ball: orange, lit from the upper left.
    const double lx = x - 0.36;
    const double ly = y - 0.32;
    const double light = std::clamp(1.0 - std::sqrt(lx * lx + ly * ly) * 1.6, 0.0, 1.0);
    const double edge = std::clamp((0.47 - r) / 0.04, 0.0, 1.0);
    const double dark = 0.55 + 0.45 * edge;
    return {std::min(1.0, (0.93 + 0.07 * light) * dark + 0.1 * light),
            std::min(1.0, (0.45 + 0.45 * light) * dark), (0.05 + 0.5 * light * light) * dark, 1};
}

std::uint32_t Crc(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
        }
    }
    return ~crc;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void Chunk(std::vector<std::uint8_t>& png, const char* type,
           const std::vector<std::uint8_t>& data) {
    PutBig32(png, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    PutBig32(png, Crc(body.data(), body.size()));
}

// A zlib stream of stored blocks.
std::vector<std::uint8_t> Stored(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> z = {0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n & 0xff));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n & 0xff));
        z.push_back(static_cast<std::uint8_t>((~n >> 8) & 0xff));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, b << 16 | a);
    return z;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon <size> <out.png>\n");
        return 2;
    }
    const int size = std::atoi(argv[1]);
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "make_icon: size must be 16 to 1024\n");
        return 2;
    }
    constexpr int kSamples = 4;  // per axis, for smooth edges
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(size) * (size * 4 + 1));
    for (int py = 0; py < size; ++py) {
        raw.push_back(0);  // no filter
        for (int px = 0; px < size; ++px) {
            Rgba sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Rgba c = Shade((px + (sx + 0.5) / kSamples) / size,
                                         (py + (sy + 0.5) / kSamples) / size);
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            const auto channel = [](double v) {
                return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
            };
            const double alpha = sum.a / (kSamples * kSamples);
            const double unpremultiply = sum.a > 0 ? 1 / sum.a : 0;
            raw.push_back(channel(sum.r * unpremultiply));
            raw.push_back(channel(sum.g * unpremultiply));
            raw.push_back(channel(sum.b * unpremultiply));
            raw.push_back(channel(alpha));
        }
    }
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> header;
    PutBig32(header, static_cast<std::uint32_t>(size));
    PutBig32(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Stored(raw));
    Chunk(png, "IEND", {});
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
