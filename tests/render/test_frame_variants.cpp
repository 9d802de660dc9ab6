#include "ContinuousEscape.h"
#include "LinearLight.h"
#include "PathNames.h"
#include "ReferencePixel.h"
#include "WholeFrame.h"
#include "render/EscapeColor.h"
#include "render/FrameRenderer.h"
#include "render/FrameValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using Render::FrameRequest;
using Render::MathPath;

FrameRequest Request(double e, int pixels, int supersample, bool smooth, MathPath path)
{
    FrameRequest request;
    request.e = e;
    request.pixels = pixels;
    request.supersample = supersample;
    request.smooth = smooth;
    request.path = path;
    return request;
}

// A supersampled pixel is the linear-light mean of its samples, each
// iterated and coloured on its own at the pixel's point plus or minus a
// quarter spacing; below the inner radius of a low exponent's bottom row,
// samples with a negative radius are left out.
class SupersampledPixel : public testing::TestWithParam<std::tuple<double, int, int>>
{
};

TEST_P(SupersampledPixel, IsTheMeanOfItsFourSamples)
{
    const auto [e, x, row] = GetParam();
    const int pixels = 9;
    const std::vector<std::int32_t> frame =
        Render::RenderFrameColors(Request(e, pixels, 2, false, MathPath::Reference));
    const Render::FrameValues v = Render::ComputeFrameValues(e);
    const int first = Render::IterateReference(e, v.bailout, v.rhoMax, 0);
    Render::LinearLightMean mean;
    for (const double dx : {-0.25, 0.25}) {
        for (const double dy : {0.25, -0.25}) {
            const double y = pixels - 1 - row + dy;
            const double rho = ((v.rhoMax - v.rhoMin) * y) / (pixels - 1) + v.rhoMin;
            if (rho < 0) {
                continue;
            }
            const double theta = ((x + dx) * v.thetaMax) / (pixels - 1);
            const int count = Render::IterateReference(e, v.bailout, rho, theta);
            mean.add(Render::EscapeColor(e, count, first, 0));
        }
    }
    EXPECT_EQ(frame[x * pixels + row], mean.mean());
}

INSTANTIATE_TEST_SUITE_P(Table, SupersampledPixel,
                         testing::Values(std::tuple{2.5, 0, 0}, std::tuple{2.5, 4, 4},
                                         std::tuple{2.5, 8, 8}, std::tuple{2.5, 2, 6},
                                         std::tuple{2.5, 7, 1}, std::tuple{1.1, 4, 8},
                                         std::tuple{1.1, 0, 8}));

// Every level comes back from linear light, and the decoding follows the
// sRGB curve.
TEST(LinearLight, EveryLevelRoundTrips)
{
    for (int level = 0; level < 256; ++level) {
        const double s = level / 255.0;
        const double curve = s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        EXPECT_NEAR(Render::DecodeSrgb(level), curve, 1e-12) << level;
        EXPECT_EQ(Render::EncodeSrgb(Render::DecodeSrgb(level)), level);
    }
    // Half black, half white is a quarter of the way up... in light.
    EXPECT_EQ(Render::EncodeSrgb(0.5),
              int(std::floor((1.055 * std::pow(0.5, 1 / 2.4) - 0.055) * 255 + 0.5)));
}

// The continuous value lies between the count and the next one: count + 1
// just above the escape modulus B, count where the overshoot is a whole step
// (B^e), halfway at B^sqrt(e).
TEST(ContinuousEscape, RunsAcrossOneStep)
{
    for (const double e : {1.5, 2.0, 3.7}) {
        const double bailout = Render::ComputeFrameValues(e).bailout;
        const Render::ContinuousEscape continuous(e, bailout, Render::LogsLibrary);
        double moduli[] = {bailout, std::pow(bailout, std::sqrt(e)), std::pow(bailout, e), 1e300};
        continuous.overshoots(moduli, 4);
        const double expected[] = {6, 5.5, 5, 5};
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(Render::ContinuousEscape::Value(5, moduli[k]), expected[k], 1e-12) << k;
        }
    }
}

class VariantFrame : public testing::TestWithParam<std::tuple<MathPath, double>>
{
protected:
    void SetUp() override
    {
        if (!Render::IsAvailable(std::get<0>(GetParam()))) {
            GTEST_SKIP() << "processor lacks this path";
        }
    }
};

// Smooth colours keep exactly the default frame's black pixels and show
// many more colours where the hue moves all three channels apart (a frame's
// colours lie on one hue's whiteness ramp of 8-bit channels).
TEST_P(VariantFrame, SmoothKeepsTheBlackPixels)
{
    const auto [path, e] = GetParam();
    const auto plain = Render::RenderFrameColors(Request(e, 200, 1, false, path));
    const auto smooth = Render::RenderFrameColors(Request(e, 200, 1, true, path));
    ASSERT_EQ(smooth.size(), plain.size());
    for (std::size_t k = 0; k < plain.size(); ++k) {
        ASSERT_EQ(smooth[k] == 0, plain[k] == 0) << k;
    }
    const std::set<std::int32_t> plainColors(plain.begin(), plain.end());
    const std::set<std::int32_t> smoothColors(smooth.begin(), smooth.end());
    EXPECT_GE(smoothColors.size(), 5 * plainColors.size());
}

// Supersampled smooth frames are the same bits on every width and thread
// count as on one lane and one thread.
TEST_P(VariantFrame, IsTheSameOnEveryWidthAndThreadCount)
{
    const auto [path, e] = GetParam();
    if (path == MathPath::Reference) {
        GTEST_SKIP() << "the reference has one width";
    }
    FrameRequest request = Request(e, 61, 3, true, MathPath::FastScalar);
    request.threads = 1;
    const auto expected = Render::RenderFrameColors(request);
    request.path = path;
    for (const int threads : {2, 5}) {
        request.threads = threads;
        EXPECT_EQ(Render::RenderFrameColors(request), expected) << threads;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, VariantFrame,
                         testing::Combine(testing::Values(MathPath::Reference, MathPath::FastAvx2,
                                                          MathPath::FastAvx512,
                                                          MathPath::FastAdvSimd),
                                          testing::Values(1.3, 2.3, 3.3)),
                         [](const auto& info) {
                             return PathName(std::get<0>(info.param)) + "_e" +
                                    std::to_string(int(std::get<1>(info.param) * 100));
                         });

} // namespace
