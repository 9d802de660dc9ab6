#include "export/FramePixels.h"

#include <gtest/gtest.h>
#include <vector>

using namespace Export;

namespace {

// A picture whose pixels cycle through colourCount distinct colours.
QImage Picture(int width, int height, int colourCount)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i) {
        const int c = i % colourCount;
        image.setPixel(i % width, i / width, qRgb(c * 7 % 256, c * 13 % 256, c / 2 % 256));
    }
    return image;
}

struct PaletteCase
{
    const char* name;
    int colourCount;
    bool exact;
    int tolerance; // per channel, when not exact
};

class PaletteTest : public testing::TestWithParam<PaletteCase>
{
};

TEST_P(PaletteTest, IndicesAndPaletteGiveThePictureBack)
{
    const PaletteCase& c = GetParam();
    const int width = 37;
    const int height = 23;
    const int stride = 40;
    const QImage picture = Picture(width, height, c.colourCount);
    std::vector<std::uint8_t> indices(std::size_t(stride) * height, 0);
    std::vector<std::uint32_t> palette(256, 0);

    EXPECT_EQ(FillPalettePicture(picture, indices.data(), stride, palette.data()), c.exact);

    for (std::uint32_t entry : palette)
        EXPECT_EQ(qAlpha(entry), 255);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb shown = palette[indices[std::size_t(y) * stride + x]];
            const QRgb wanted = picture.pixel(x, y);
            if (c.exact) {
                ASSERT_EQ(shown & 0xFFFFFF, wanted & 0xFFFFFF) << x << "," << y;
            } else {
                ASSERT_LE(std::abs(qRed(shown) - qRed(wanted)), c.tolerance);
                ASSERT_LE(std::abs(qGreen(shown) - qGreen(wanted)), c.tolerance);
                ASSERT_LE(std::abs(qBlue(shown) - qBlue(wanted)), 2 * c.tolerance);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, PaletteTest,
                         testing::Values(PaletteCase{"OneColour", 1, true, 0},
                                         PaletteCase{"AFramesWorth", 66, true, 0},
                                         PaletteCase{"AFullPalette", 256, true, 0},
                                         // A palette chosen from the picture.
                                         PaletteCase{"MoreThanAPalette", 257, false, 36},
                                         PaletteCase{"ManyMore", 851, false, 36}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PadToSize, RepeatsTheLastRowAndColumn)
{
    const QImage frame = Picture(3, 3, 9);
    const QImage padded = PadToSize(frame, QSize(4, 4));
    ASSERT_EQ(padded.size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(padded.pixel(x, y), frame.pixel(std::min(x, 2), std::min(y, 2)))
                << x << "," << y;
    }
}

TEST(PadToSize, LeavesAFrameOfTheSizeAlone)
{
    const QImage frame = Picture(4, 2, 8);
    EXPECT_EQ(PadToSize(frame, QSize(4, 2)), frame);
}

} // namespace
