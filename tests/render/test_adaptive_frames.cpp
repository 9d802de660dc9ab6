#include "AdaptiveRule.h"
#include "PathNames.h"
#include "WholeFrame.h"
#include "render/EscapeCount.h"
#include "render/FrameRenderer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace {

using Render::FrameRequest;
using Render::MathPath;

// A 7 x 7 field of one count with another at its centre: counts more than 2
// apart flag the 3 x 3 pixels that see the centre, black beside non-black
// the 5 x 5 pixels within one pixel of those; closer counts flag nothing.
class AdaptiveRule : public testing::TestWithParam<std::tuple<int, int, int>>
{
};

TEST_P(AdaptiveRule, FlagsPixelsNearAnEdge)
{
    const auto [field, centre, reach] = GetParam();
    const int pixels = 7;
    std::vector<std::uint8_t> counts(pixels * pixels, std::uint8_t(field));
    counts[3 * pixels + 3] = std::uint8_t(centre);
    std::vector<std::uint8_t> flags;
    for (int x = 0; x < pixels; ++x) {
        Render::FlagColumn(counts.data(), pixels, x, flags);
        for (int row = 0; row < pixels; ++row) {
            EXPECT_EQ(flags[row], std::abs(x - 3) <= reach && std::abs(row - 3) <= reach)
                << x << " " << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AdaptiveRule,
                         testing::Values(std::tuple{5, 5, -1}, std::tuple{5, 7, -1},
                                         std::tuple{5, 8, 1}, std::tuple{5, 2, 1},
                                         std::tuple{64, Render::NotEscaped, 2},
                                         std::tuple{Render::NotEscaped, 1, 2}));

// On every path and thread count, an adaptive frame's flagged pixels are the
// full supersampled frame's, bit for bit, and the others the default frame's.
class AdaptiveFrame : public testing::TestWithParam<std::tuple<MathPath, double, int, bool>>
{
};

TEST_P(AdaptiveFrame, TakesFlaggedPixelsFromTheFullFrameAndTheRestFromThePlainOne)
{
    const auto [path, e, n, smooth] = GetParam();
    if (!Render::IsAvailable(path)) {
        GTEST_SKIP() << "processor lacks this path";
    }
    FrameRequest request;
    request.e = e;
    request.pixels = 57;
    request.smooth = smooth;
    request.path = MathPath::FastScalar;
    request.threads = 1;
    const auto plain = Render::RenderFrameColors(request);
    const auto counts = Render::RenderFrameCounts(request);
    request.supersample = n;
    const auto full = Render::RenderFrameColors(request);
    request.adaptive = true;
    request.path = path;
    std::vector<std::uint8_t> flags;
    for (const int threads : {1, 2, 5}) {
        request.threads = threads;
        const auto adaptive = Render::RenderFrameColors(request);
        ASSERT_EQ(adaptive.size(), plain.size());
        int flagged = 0;
        for (int x = 0; x < request.pixels; ++x) {
            Render::FlagColumn(counts.data(), request.pixels, x, flags);
            for (int row = 0; row < request.pixels; ++row) {
                const std::size_t k = std::size_t(x) * request.pixels + row;
                ASSERT_EQ(adaptive[k], flags[row] ? full[k] : plain[k]) << x << " " << row;
                flagged += flags[row];
            }
        }
        EXPECT_GT(flagged, 0);
        EXPECT_LT(flagged, request.pixels * request.pixels);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AdaptiveFrame,
                         testing::Values(std::tuple{MathPath::Reference, 2.5, 3, false},
                                         std::tuple{MathPath::FastAvx2, 2.5, 3, true},
                                         std::tuple{MathPath::FastAvx512, 1.5, 2, false},
                                         std::tuple{MathPath::FastAdvSimd, 3.3, 4, true},
                                         std::tuple{MathPath::Fast, 1.1, 3, false},
                                         std::tuple{MathPath::Fast, 3.3, 5, false}),
                         [](const auto& info) {
                             return PathName(std::get<0>(info.param)) + "_e" +
                                    std::to_string(int(std::get<1>(info.param) * 100)) + "_n" +
                                    std::to_string(std::get<2>(info.param)) +
                                    (std::get<3>(info.param) ? "_smooth" : "");
                         });

} // namespace
