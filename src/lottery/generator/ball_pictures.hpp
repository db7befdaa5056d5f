#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "canvas/picture.hpp"

namespace kulko {

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
Picture LoadJpegPicture(const std::filesystem::path& file, int maxWidth, int maxHeight);

// The same from bytes already in memory; false when they do not decode.
bool DecodeJpeg(std::span<const std::uint8_t> bytes, int maxWidth, int maxHeight, Picture& out);

}  // namespace kulko
