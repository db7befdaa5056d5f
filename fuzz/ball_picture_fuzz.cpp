// The ball pictures: any bytes as a JPEG file. Decoding either fails (the
// press then shows the file error) or gives a picture cut to the frame.
#include <cstdint>
#include <vector>

#include "fuzz_support.hpp"
#include "generator/ball_pictures.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    for (const auto& [width, height] : {std::pair{50, 50}, std::pair{3, 700}}) {
        Picture image;
        if (DecodeJpeg(bytes, width, height, image)) {
            fuzz::Require(image.width >= 1 && image.width <= width && image.height >= 1 &&
                              image.height <= height,
                          "picture larger than its frame");
            fuzz::Require(image.rgb.size() == static_cast<std::size_t>(image.width) *
                                                  static_cast<std::size_t>(image.height) * 3,
                          "picture bytes do not match its size");
        } else {
            fuzz::Require(image.rgb.empty() && image.width == 0, "failed picture kept pixels");
        }
    }
    return 0;
}
