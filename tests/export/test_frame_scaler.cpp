#include "export/FrameScaler.h"
#include "render/FrameRenderer.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace Export;

namespace {

QImage RenderedFrame(const Render::FrameRequest& request)
{
    Render::FrameRender render(request);
    QImage frame(request.pixels, request.pixels, QImage::Format_RGB888);
    for (int x = 0; x < request.pixels; ++x) {
        EXPECT_TRUE(render.waitForColumn(x));
        const auto column = render.column(x);
        for (int y = 0; y < request.pixels; ++y)
            frame.setPixel(x, y,
                           qRgb(column[y] & 255, column[y] >> 8 & 255, column[y] >> 16 & 255));
    }
    return frame;
}

double Linear(int level)
{
    const double v = level / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

int Level(double linear)
{
    const double v =
        linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return int(std::lround(v * 255));
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
    const QImage frame = RenderedFrame(c.request);
    const int side = c.request.pixels / c.factor;
    const QImage shrunk = FrameScaler(frame.size(), QSize(side, side)).scale(frame);
    ASSERT_EQ(shrunk.size(), QSize(side, side));
    double total = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            for (int channel = 0; channel < 3; ++channel) {
                const auto level = [channel](QRgb rgb) {
                    return channel == 0 ? qRed(rgb) : channel == 1 ? qGreen(rgb) : qBlue(rgb);
                };
                double sum = 0;
                for (int k = 0; k < c.factor * c.factor; ++k)
                    sum += Linear(level(
                        frame.pixel(x * c.factor + k % c.factor, y * c.factor + k / c.factor)));
                const int error =
                    std::abs(level(shrunk.pixel(x, y)) - Level(sum / (c.factor * c.factor)));
                ASSERT_LE(error, 8) << x << ", " << y;
                total += error;
            }
        }
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
