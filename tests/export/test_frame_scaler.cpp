#include "export/FrameScaler.h"
#include "render/FrameRenderer.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

double Linear(int level)
{
    const double v = level / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

struct ShrinkCase
{
    const char* name;
    Render::FrameRequest request;
    int factor;
};

class FrameShrinkTest : public testing::TestWithParam<ShrinkCase>
{
};

// A shrink averages each block of factor x factor pixels in linear light.
TEST_P(FrameShrinkTest, AveragesInLinearLight)
{
    const ShrinkCase& c = GetParam();
    const int pixels = c.request.pixels;
    Render::FrameRender render(c.request);
    QImage frame(pixels, pixels, QImage::Format_RGB32);
    for (int x = 0; x < pixels && render.waitForColumn(x); ++x)
        for (int y = 0; y < pixels; ++y)
            frame.setPixel(x, y,
                           QColor(render.column(x)[y] & 255, render.column(x)[y] >> 8 & 255,
                                  render.column(x)[y] >> 16)
                               .rgb());
    const int side = pixels / c.factor;
    const QImage shrunk = Export::FrameScaler(frame.size(), QSize(side, side)).scale(frame);
    double total = 0;
    for (int i = 0; i < side * side * 24; i += 8) {
        const int x = i / 24 % side, y = i / 24 / side, shift = i % 24;
        double sum = 0;
        for (int k = 0; k < c.factor * c.factor; ++k)
            sum += Linear(frame.pixel(x * c.factor + k % c.factor, y * c.factor + k / c.factor) >>
                              shift &
                          255);
        const double mean = sum / (c.factor * c.factor);
        const double level =
            255 * (mean <= 0.0031308 ? mean * 12.92 : 1.055 * std::pow(mean, 1 / 2.4) - 0.055);
        const double error = std::abs((shrunk.pixel(x, y) >> shift & 255) - std::round(level));
        ASSERT_LE(error, 8) << x << ", " << y;
        total += error;
    }
    EXPECT_LE(total / (3.0 * side * side), 2.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, FrameShrinkTest,
    testing::Values(
        ShrinkCase{"HalfASupersampledFrame", {.e = 2.5, .pixels = 208, .supersample = 3}, 2},
        ShrinkCase{"QuarterOfADefaultFrame", {.e = 3.7, .pixels = 208}, 4},
        ShrinkCase{"ThirdOfASmoothFrame", {.e = 2.3, .pixels = 210, .smooth = true}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
