#include "generator/ball_pictures.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "files/in_out_error.hpp"
#include "generator/jpeg_writer.hpp"
#include "support/temp_dir.hpp"

namespace kulko::test {
namespace {

std::string ErrorOf(const std::filesystem::path& file) {
    try {
        LoadJpegPicture(file, 50, 50);
    } catch (const InOutError& error) {
        return error.what();
    }
    return "no error";
}

bool Near(int a, int b) {
    return std::abs(a - b) <= 6;
}

TEST(BallPictures, PathsAreNamedByNumberInTheIkonkiFolder) {
    EXPECT_EQ(BallPicturePath("/w", 7), std::filesystem::path("/w/Ikonki/7.jpg"));
    EXPECT_EQ(BallPicturePath("/w", 49), std::filesystem::path("/w/Ikonki/49.jpg"));
    TempDir dir;
    EXPECT_FALSE(BallPicturesPresent(dir.Path()));
    WriteFlatJpeg(BallPicturePath(dir.Path(), 1), 8, 8, 200, 0, 0);
    EXPECT_TRUE(BallPicturesPresent(dir.Path()));
}

TEST(BallPictures, DecodesColoursAndKeepsTheTopLeftCornerOfABigPicture) {
    TempDir dir;
    // Left half red, right half blue, 120 x 80.
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 120; ++x) {
            rgb.insert(rgb.end(), {static_cast<std::uint8_t>(x < 60 ? 255 : 0), 0,
                                   static_cast<std::uint8_t>(x < 60 ? 0 : 255)});
        }
    }
    WriteJpeg(dir / "big.jpg", 120, 80, rgb);
    const Picture image = LoadJpegPicture(dir / "big.jpg", 50, 50);
    ASSERT_EQ(image.width, 50);
    ASSERT_EQ(image.height, 50);
    ASSERT_EQ(image.rgb.size(), 50u * 50u * 3u);
    // Everything kept lies in the red half.
    const std::size_t last = image.rgb.size() - 3;
    EXPECT_TRUE(Near(image.rgb[last], 255) && Near(image.rgb[last + 2], 0));
    EXPECT_TRUE(Near(image.rgb[0], 255) && Near(image.rgb[1], 0));
}

TEST(BallPictures, SmallPicturesKeepTheirSizeAndGreyOnesComeOutAsRgb) {
    TempDir dir;
    WriteFlatJpeg(dir / "small.jpg", 30, 20, 10, 200, 90);
    const Picture small = LoadJpegPicture(dir / "small.jpg", 50, 50);
    EXPECT_EQ(small.width, 30);
    EXPECT_EQ(small.height, 20);
    EXPECT_TRUE(Near(small.rgb[0], 10) && Near(small.rgb[1], 200) && Near(small.rgb[2], 90));
}

TEST(BallPictures, MissingUnreadableAndDamagedFilesRaiseInOutErrors) {
    TempDir dir;
    EXPECT_EQ(ErrorOf(dir / "none.jpg"), "File not found");
    dir.Write("text.jpg", "this is no picture");
    EXPECT_EQ(ErrorOf(dir / "text.jpg"), "I/O error 5");
    dir.Write("empty.jpg", "");
    EXPECT_EQ(ErrorOf(dir / "empty.jpg"), "I/O error 5");
    // The start of a real picture, cut inside its header.
    WriteFlatJpeg(dir / "whole.jpg", 16, 16, 1, 2, 3);
    dir.Write("cut.jpg", dir.Read("whole.jpg").substr(0, 40));
    EXPECT_EQ(ErrorOf(dir / "cut.jpg"), "I/O error 5");
    std::filesystem::create_directory(dir / "folder.jpg");
    EXPECT_EQ(ErrorOf(dir / "folder.jpg"), "File access denied");
}

TEST(BallPictures, APictureCutInItsDataShowsWhatIsThere) {
    TempDir dir;
    WriteFlatJpeg(dir / "whole.jpg", 40, 40, 0, 0, 255);
    const std::string whole = dir.Read("whole.jpg");
    dir.Write("cut.jpg", whole.substr(0, whole.size() - 20));
    const Picture image = LoadJpegPicture(dir / "cut.jpg", 50, 50);
    EXPECT_EQ(image.width, 40);
    EXPECT_EQ(image.height, 40);
}

}  // namespace
}  // namespace kulko::test
