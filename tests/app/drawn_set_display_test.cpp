// The set a press of "Losuj" shows: the ball pictures over the set text,
// in their colours, and a missing picture that ends the press.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/generator_press.hpp"

namespace kulko::test {
namespace {

TEST_F(GeneratorPress, BallsShowTheSmallestNumberFirstOverTheSetText) {
    Tgenerator& w = StartDefault();
    WriteBalls(AllNumbers());
    Press();
    ASSERT_TRUE(w.Panel5.visible);
    EXPECT_EQ(w.Panel5.bounds, (Bounds{8, 407, 350, 115}));
    Control* const balls[] = {&w.obraz1, &w.obraz2, &w.obraz3, &w.obraz4, &w.obraz5, &w.obraz6};
    for (std::size_t k = 0; k < 6; ++k) {
        const Picture& picture = balls[k]->picture;
        ASSERT_EQ(picture.width, 50);
        ASSERT_EQ(picture.height, 50);
        EXPECT_NEAR(picture.rgb[0], 5 * w.CurrentSet[k], 6) << k;
    }
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), kStartLog + w.PendingSetText + "\r\n");
}

TEST_F(GeneratorPress, CmykAndYcckBallsShowInTheirColours) {
    Tgenerator& w = StartDefault();
    for (bool ycck : {false, true}) {
        // As Adobe stores them, inverted: no cyan, half magenta, all yellow,
        // a fifth black; orange-brown on screen.
        for (int n : AllNumbers()) {
            WriteFlatCmykJpeg(BallPicturePath(dir.Path(), n), 50, 50, {255, 128, 0, 204}, ycck);
        }
        EXPECT_EQ(Press(), "") << ycck;
        ASSERT_TRUE(w.Panel5.visible);
        for (const Control* ball : {&w.obraz1, &w.obraz6}) {
            const std::vector<std::uint8_t>& rgb = ball->picture.rgb;
            ASSERT_EQ(rgb.size(), 50u * 50u * 3u);
            EXPECT_NEAR(rgb[0], 204, 6) << ycck;
            EXPECT_NEAR(rgb[1], 102, 6) << ycck;
            EXPECT_NEAR(rgb[2], 0, 6) << ycck;
        }
    }
}

TEST_F(GeneratorPress, AMissingPictureEndsThePressAtThatPicture) {
    Tgenerator& w = StartDefault();
    const NumberSet set = Stream(1)[0];
    std::vector<int> present = AllNumbers();
    present.erase(std::find(present.begin(), present.end(), set[3]));
    if (set[0] == 1) {
        GTEST_SKIP() << "the picture of 1 must exist here";
    }
    WriteBalls(present);
    EXPECT_EQ(Press(), "File not found");
    // Shown before the pictures: text, count and marks; three pictures loaded.
    EXPECT_EQ(w.Panel1.caption, NumberSetText(set));
    EXPECT_EQ(w.Label3.caption, "Ilość losowań 1");
    EXPECT_EQ(screen.marks.Steps().size(), 7u);
    EXPECT_FALSE(w.obraz3.picture.Empty());
    EXPECT_TRUE(w.obraz4.picture.Empty());
    EXPECT_FALSE(w.Panel5.visible);
    EXPECT_EQ(dir.Read("losowania_kulko.txt"), kStartLog);
}

TEST_F(GeneratorPress, WithoutThePictureOfOneNoBallIsLoaded) {
    Tgenerator& w = StartDefault();
    std::vector<int> present = AllNumbers();
    present.erase(present.begin());
    WriteBalls(present);
    EXPECT_EQ(Press(), "");
    EXPECT_FALSE(w.Panel5.visible);
    EXPECT_TRUE(w.obraz1.picture.Empty());
}

}  // namespace
}  // namespace kulko::test
