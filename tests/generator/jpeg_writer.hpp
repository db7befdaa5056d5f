#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace kulko::test {

// Encodes RGB pixels (three bytes each, row by row) as a JPEG file, for
// pictures the tests decode. Quality 100 keeps flat colours within a few
// levels of what was written.
void WriteJpeg(const std::filesystem::path& file, int width, int height,
               const std::vector<std::uint8_t>& rgb);

// A picture of one flat colour.
void WriteFlatJpeg(const std::filesystem::path& file, int width, int height, std::uint8_t r,
                   std::uint8_t g, std::uint8_t b);

// A picture of one flat colour stored as CMYK, or as YCCK, the way Adobe's
// programs write them: with the Adobe marker and the values inverted
// (255 is no ink).
void WriteFlatCmykJpeg(const std::filesystem::path& file, int width, int height,
                       const std::array<std::uint8_t, 4>& cmyk, bool ycck);

}  // namespace kulko::test
