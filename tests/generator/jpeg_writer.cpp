#include "generator/jpeg_writer.hpp"

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace kulko::test {

void WriteJpeg(const std::filesystem::path& file, int width, int height,
               const std::vector<std::uint8_t>& rgb) {
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
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3u);
    while (info.next_scanline < info.image_height) {
        const std::size_t offset = static_cast<std::size_t>(info.next_scanline) * row.size();
        std::copy(rgb.begin() + static_cast<std::ptrdiff_t>(offset),
                  rgb.begin() + static_cast<std::ptrdiff_t>(offset + row.size()), row.begin());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
}

void WriteFlatJpeg(const std::filesystem::path& file, int width, int height, std::uint8_t r,
                   std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(width * height) * 3u);
    for (int i = 0; i < width * height; ++i) {
        rgb.insert(rgb.end(), {r, g, b});
    }
    WriteJpeg(file, width, height, rgb);
}

}  // namespace kulko::test
