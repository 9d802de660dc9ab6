#include "cli/RenderProgress.h"

#include <gtest/gtest.h>

using namespace Cli;

namespace {

struct DurationCase
{
    double seconds;
    const char* text;
};

class DurationTest : public testing::TestWithParam<DurationCase>
{
};

TEST_P(DurationTest, ReadsAsAClock)
{
    EXPECT_EQ(FormatDuration(GetParam().seconds), QString(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cli, DurationTest,
                         testing::Values(DurationCase{0, "0:00"}, DurationCase{7.4, "0:07"},
                                         DurationCase{59.6, "1:00"}, DurationCase{754, "12:34"},
                                         DurationCase{3723, "1:02:03"},
                                         DurationCase{36000, "10:00:00"},
                                         DurationCase{-3, "0:00"}));

struct BarCase
{
    const char* name;
    ProgressState state;
    std::optional<double> secondsLeft;
    const char* bar;
};

class ProgressBarTest : public testing::TestWithParam<BarCase>
{
};

TEST_P(ProgressBarTest, ShowsFramePercentageAndTimes)
{
    const BarCase& c = GetParam();
    const std::optional<double> left = SecondsLeft(c.state);
    ASSERT_EQ(left.has_value(), c.secondsLeft.has_value());
    if (left) {
        EXPECT_DOUBLE_EQ(*left, *c.secondsLeft);
    }
    EXPECT_EQ(ProgressBarText(c.state, 10), QString(c.bar));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ProgressBarTest,
    testing::Values(
        BarCase{"NothingDoneYet",
                {1, 5, 0, 512, 2.0, 0, 0, 4},
                std::nullopt,
                "frame 0 of 0-4 (e=2.000) [----------]   0%  elapsed 0:00  left -:--"},
        // A fifth of the film in 30 s leaves four fifths: 120 s.
        BarCase{"FirstFrameDone",
                {2, 5, 0, 512, 2.25, 30, 1, 4},
                120.0,
                "frame 1 of 0-4 (e=2.250) [----------]   0%  elapsed 0:30  left 2:00"},
        // Two and a half of frames 5 to 8 in 50 s: 30 s left; the
        // frame is named by its place in the film.
        BarCase{"HalfwayThroughAFrameOfAPart",
                {3, 4, 256, 512, 2.5, 50, 7, 10},
                30.0,
                "frame 7 of 0-10 (e=2.500) [#####-----]  50%  elapsed 0:50  left 0:30"},
        BarCase{"PercentRoundsDown",
                {1, 1, 511, 512, 3.0, 99, 10, 10},
                99.0 * (1.0 / 512) / (511.0 / 512),
                "frame 10 of 0-10 (e=3.000) [#########-]  99%  elapsed 1:39  left 0:00"},
        BarCase{"LastColumn",
                {2, 2, 104, 104, 1.0001, 3725, 1, 1},
                0.0,
                "frame 1 of 0-1 (e=1.000) [##########] 100%  elapsed 1:02:05  left 0:00"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
