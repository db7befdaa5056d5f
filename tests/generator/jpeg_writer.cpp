#include "generator/jpeg_writer.hpp"

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace kulko::test {
namespace {

// Encodes pixels of `components` bytes each, given in `input` and stored
// in the file as `stored`.
void Encode(const std::filesystem::path& file, int width, int height,
            const std::vector<std::uint8_t>& pixels, int components, J_COLOR_SPACE input,
            J_COLOR_SPACE stored) {
    std::filesystem::create_directories(file.parent_path());
    FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) {
        throw std::runtime_error("cannot write " + file.string());
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = input;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, stored);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) *
                                  static_cast<std::size_t>(components));
    while (info.next_scanline < info.image_height) {
        const std::size_t offset = static_cast<std::size_t>(info.next_scanline) * row.size();
        std::copy(pixels.begin() + static_cast<std::ptrdiff_t>(offset),
                  pixels.begin() + static_cast<std::ptrdiff_t>(offset + row.size()), row.begin());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
}

std::vector<std::uint8_t> Flat(int width, int height, std::initializer_list<std::uint8_t> pixel) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width * height) * pixel.size());
    for (int i = 0; i < width * height; ++i) {
        pixels.insert(pixels.end(), pixel);
    }
    return pixels;
}

}  // namespace

void WriteJpeg(const std::filesystem::path& file, int width, int height,
               const std::vector<std::uint8_t>& rgb) {
    Encode(file, width, height, rgb, 3, JCS_RGB, JCS_YCbCr);
}

void WriteFlatJpeg(const std::filesystem::path& file, int width, int height, std::uint8_t r,
                   std::uint8_t g, std::uint8_t b) {
    WriteJpeg(file, width, height, Flat(width, height, {r, g, b}));
}

void WriteFlatCmykJpeg(const std::filesystem::path& file, int width, int height,
                       const std::array<std::uint8_t, 4>& cmyk, bool ycck) {
    Encode(file, width, height, Flat(width, height, {cmyk[0], cmyk[1], cmyk[2], cmyk[3]}), 4,
           JCS_CMYK, ycck ? JCS_YCCK : JCS_CMYK);
}

}  // namespace kulko::test
