#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace kulko {

// A decoded picture: RGB bytes, row by row, three per pixel.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The picture of ball n in the folder of ball pictures below the working
// directory.
std::filesystem::path BallPicturePath(const std::filesystem::path& workDir, int number);

// Balls are shown only when the picture of number 1 exists.
bool BallPicturesPresent(const std::filesystem::path& workDir);

// Decodes a JPEG file with libjpeg, keeping the top-left corner of at most
// maxWidth x maxHeight pixels: the picture is drawn at its own size and cut
// at its frame, so nothing beyond the frame is ever needed. Throws
// InOutError when the file cannot be opened or read ("File not found" for a
// missing one), and "I/O error 5" when its bytes are no picture libjpeg can
// decode.
RgbImage LoadJpegPicture(const std::filesystem::path& file, int maxWidth, int maxHeight);

// The same from bytes already in memory; false when they do not decode.
bool DecodeJpeg(std::span<const std::uint8_t> bytes, int maxWidth, int maxHeight, RgbImage& out);

}  // namespace kulko
