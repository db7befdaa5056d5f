#include "generator/ball_pictures.hpp"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

// After <cstddef> and <cstdio>: libjpeg's header needs size_t and FILE.
#include <jpeglib.h>

#include "files/file_ops.hpp"
#include "files/in_out_error.hpp"
#include "files/text_file.hpp"
#include "files/work_files.hpp"

namespace kulko {
namespace {

// libjpeg ends the process on a fatal error unless told otherwise; this
// manager jumps back to the decoder instead, as libjpeg's own example does.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->jump, 1);
}

// Warnings (a truncated file, for one) are not worth a word: libjpeg fills
// what is missing and the picture is shown as far as it goes.
void Silent(j_common_ptr) {}

constexpr long kMemoryLimit = 64L << 20;

// A CMYK pixel as RGB. Adobe's programs store the values inverted (255 is
// no ink) and mark their files so; other files hold the ink itself.
void CmykToRgb(const JSAMPLE* cmyk, bool inverted, std::uint8_t* rgb) {
    const int k = inverted ? cmyk[3] : 255 - cmyk[3];
    for (int i = 0; i < 3; ++i) {
        const int light = inverted ? cmyk[i] : 255 - cmyk[i];
        rgb[i] = static_cast<std::uint8_t>((light * k + 127) / 255);
    }
}

}  // namespace

std::filesystem::path BallPicturePath(const std::filesystem::path& workDir, int number) {
    return workDir / kBallPictureFolder / (std::to_string(number) + kBallPictureSuffix);
}

bool BallPicturesPresent(const std::filesystem::path& workDir) {
    return FileExists(BallPicturePath(workDir, 1));
}

// Only C objects live in this frame across setjmp, and the output goes to
// the caller's object, so nothing is left in an undefined state by a jump.
bool DecodeJpeg(std::span<const std::uint8_t> bytes, int maxWidth, int maxHeight, Picture& out) {
    out = Picture{};
    if (bytes.empty() || maxWidth <= 0 || maxHeight <= 0) {
        return false;
    }
    jpeg_decompress_struct info;
    JumpingErrorManager errors;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.output_message = Silent;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        out = Picture{};
        return false;
    }
    jpeg_create_decompress(&info);
    // A huge progressive picture would need its whole coefficient buffer;
    // past this limit libjpeg fails instead of taking the memory.
    info.mem->max_memory_to_use = kMemoryLimit;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // libjpeg gives CMYK (and YCCK, turned into CMYK) only as CMYK; the
    // conversion to RGB is ours.
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool inverted = info.saw_Adobe_marker != 0;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);

    const JDIMENSION rowBytes = info.output_width * static_cast<JDIMENSION>(info.output_components);
    // Freed by jpeg_destroy_decompress, whichever way the decoding ends.
    JSAMPARRAY row =
        (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, rowBytes, 1);
    out.width = static_cast<int>(
        std::min<JDIMENSION>(info.output_width, static_cast<JDIMENSION>(maxWidth)));
    out.height = static_cast<int>(
        std::min<JDIMENSION>(info.output_height, static_cast<JDIMENSION>(maxHeight)));
    const std::size_t keptBytes = static_cast<std::size_t>(out.width) * 3u;
    out.rgb.resize(keptBytes * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        if (jpeg_read_scanlines(&info, row, 1) != 1) {
            longjmp(errors.jump, 1);  // suspended source: cannot happen with memory input
        }
        std::uint8_t* kept = out.rgb.data() + keptBytes * static_cast<std::size_t>(y);
        if (cmyk) {
            for (int x = 0; x < out.width; ++x) {
                CmykToRgb(row[0] + 4 * x, inverted, kept + 3 * x);
            }
        } else {
            std::memcpy(kept, row[0], keptBytes);
        }
    }
    // The rows below the frame are never read; destroying the decoder
    // abandons them.
    jpeg_destroy_decompress(&info);
    return !out.rgb.empty();
}

Picture LoadJpegPicture(const std::filesystem::path& file, int maxWidth, int maxHeight) {
    const std::string text = ReadWholeFile(file);
    // The file's bytes as they are: a picture is held once.
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    Picture image;
    if (!DecodeJpeg(bytes, maxWidth, maxHeight, image)) {
        throw InOutError::FromErrno(EIO);
    }
    return image;
}

}  // namespace kulko
