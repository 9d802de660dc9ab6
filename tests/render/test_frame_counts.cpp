#include "WholeFrame.h"
#include "render/FrameRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace {

using Render::FrameRequest;
using Render::MathPath;

constexpr int Pixels = 104;

struct CountCase
{
    const char* name;
    double e;
    int column;
    int row; // 0 at the top
    int expected;
};

// The reference counts of the frame definition; the 1.5 and 2.5 cases are
// those a (-pi, pi] argument or a reduced start angle would get wrong.
const CountCase CountCases[] = {
    {"e2TopLeft", 2, 0, 0, 1},
    {"e2BottomLeft", 2, 0, 103, 65},
    {"e2Column78Row73", 2, 78, 73, 9},
    {"e2Column52Row52", 2, 52, 52, 65},
    {"e3Column60Row13", 3, 60, 13, 4},
    {"e1_5Column40Row83", 1.5, 40, 83, 9},
    {"e1_5Column100Row98", 1.5, 100, 98, 10},
    {"e1_5Column90Row43", 1.5, 90, 43, 5},
    {"e2_5Column78Row73", 2.5, 78, 73, 65},
};

class FrameCounts : public testing::TestWithParam<std::tuple<MathPath, CountCase>>
{
};

TEST_P(FrameCounts, MatchTheReferenceCount)
{
    const auto& [path, c] = GetParam();
    FrameRequest request;
    request.e = c.e;
    request.pixels = Pixels;
    request.path = path;
    const std::vector<std::uint8_t> counts = Render::RenderFrameCounts(request);
    ASSERT_EQ(counts.size(), std::size_t(Pixels * Pixels));
    EXPECT_EQ(counts[c.column * Pixels + c.row], c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FrameCounts,
                         testing::Combine(testing::Values(MathPath::Reference, MathPath::Fast),
                                          testing::ValuesIn(CountCases)),
                         [](const testing::TestParamInfo<std::tuple<MathPath, CountCase>>& info) {
                             return std::string(std::get<0>(info.param) == MathPath::Reference
                                                    ? "Reference_"
                                                    : "Fast_") +
                                    std::get<1>(info.param).name;
                         });

class FrameOfExponentTwo : public testing::TestWithParam<MathPath>
{
};

TEST_P(FrameOfExponentTwo, HasNoPixelStoppingAtZero)
{
    FrameRequest request;
    request.pixels = Pixels;
    request.path = GetParam();
    const std::vector<std::uint8_t> counts = Render::RenderFrameCounts(request);
    EXPECT_EQ(std::count(counts.begin(), counts.end(), 0), 0);
}

// Rainbow at hue 2 is pure red at whiteness 0; the first pixel has count 1 and
// so whiteness 0, whatever palette is chosen.
TEST_P(FrameOfExponentTwo, ColorsFollowTheCountsFromTheFirstPixel)
{
    FrameRequest request;
    request.pixels = Pixels;
    request.path = GetParam();
    const std::vector<std::int32_t> rainbow = Render::RenderFrameColors(request);
    EXPECT_EQ(rainbow[0], 255);
    EXPECT_EQ(rainbow[Pixels - 1], 0);

    request.paletteIndex = 1;
    const std::vector<std::int32_t> grey = Render::RenderFrameColors(request);
    const std::vector<std::uint8_t> counts = Render::RenderFrameCounts(request);
    for (std::size_t k = 0; k < counts.size(); ++k) {
        if (counts[k] == 1) {
            EXPECT_EQ(grey[k], 5592405) << "pixel " << k;
        } else if (counts[k] == 64) {
            EXPECT_EQ(grey[k], 16777215) << "pixel " << k;
        } else if (counts[k] == 65) {
            EXPECT_EQ(grey[k], 0) << "pixel " << k;
        } else {
            EXPECT_GT(grey[k], 5592405) << "pixel " << k;
            EXPECT_LT(grey[k], 16777215) << "pixel " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, FrameOfExponentTwo,
                         testing::Values(MathPath::Reference, MathPath::Fast),
                         [](const testing::TestParamInfo<MathPath>& info) {
                             return std::string(info.param == MathPath::Reference ? "Reference"
                                                                                  : "Fast");
                         });

TEST(FrameCounts, FirstPixelStopsAtOneInEveryFrameWithFiniteRadii)
{
    for (double e : {1.01, 1.5, 2.5, 3.0, 4.75, 10.0, 1024.0}) {
        SCOPED_TRACE(e);
        FrameRequest request;
        request.e = e;
        request.pixels = Pixels;
        request.path = MathPath::Reference;
        EXPECT_EQ(Render::RenderFrameCounts(request)[0], 1);
    }
}

} // namespace
