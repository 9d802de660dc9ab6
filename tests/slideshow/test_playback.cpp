#include "slideshow/Playback.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

// The frames a show presents from its start, and whether each was held.
std::vector<std::pair<int, bool>> Play(int steps, int ticks)
{
    std::vector<std::pair<int, bool>> shown;
    SlideShow::Position position;
    for (int i = 0; i < ticks; ++i) {
        const int frame = position.frame;
        position = SlideShow::Advance(position.frame, position.direction, steps);
        shown.emplace_back(frame, position.turned);
    }
    return shown;
}

TEST(Advance, ThreeStepsTurnAtBothEndsShowingEachEndOnce)
{
    const std::vector<std::pair<int, bool>> expected = {
        {0, false}, {1, false}, {2, false}, {3, true},  {2, false},
        {1, false}, {0, true},  {1, false}, {2, false}, {3, true},
    };
    EXPECT_EQ(Play(3, 10), expected);
}

TEST(Advance, OneStepHoldsEveryFrameButTheFirst)
{
    const std::vector<std::pair<int, bool>> expected = {
        {0, false}, {1, true}, {0, true}, {1, true}, {0, true},
    };
    EXPECT_EQ(Play(1, 5), expected);
}

TEST(Advance, TheLongestFilmTurnsAtItsLastFrame)
{
    const std::int32_t last = std::numeric_limits<std::int32_t>::max();
    const SlideShow::Position p = SlideShow::Advance(last, 1, last);
    EXPECT_EQ(p.frame, last - 1);
    EXPECT_EQ(p.direction, -1);
    EXPECT_TRUE(p.turned);
}

TEST(Advance, ReversedDirectionGoesBackFromTheNamedFrame)
{
    // After frame 2 going forward the next tick names 3; reversed there, the
    // show goes 3, 2, 1, ...
    SlideShow::Position p = SlideShow::Advance(2, 1, 10);
    EXPECT_EQ(p.frame, 3);
    p = SlideShow::Advance(p.frame, -p.direction, 10);
    EXPECT_EQ(p.frame, 2);
    EXPECT_EQ(p.direction, -1);
    EXPECT_FALSE(p.turned);
}

struct AnswerCase
{
    const char* answer;
    std::optional<std::int32_t> frameTime;
};

class FrameTimeAnswers : public testing::TestWithParam<AnswerCase>
{
};

TEST_P(FrameTimeAnswers, AcceptOnlyOneTo65535)
{
    EXPECT_EQ(SlideShow::FrameTimeFromAnswer(GetParam().answer), GetParam().frameTime)
        << "answer \"" << GetParam().answer << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameTimeAnswers,
    testing::Values(AnswerCase{"42", 42}, AnswerCase{"1", 1}, AnswerCase{"65535", 65535},
                    AnswerCase{"1.5", 2}, AnswerCase{"2.5", 2}, AnswerCase{"100 msec", 100},
                    AnswerCase{"0", std::nullopt}, AnswerCase{"0.9", std::nullopt},
                    AnswerCase{"65535.5", std::nullopt}, AnswerCase{"70000", std::nullopt},
                    AnswerCase{"abc", std::nullopt}, AnswerCase{"", std::nullopt},
                    AnswerCase{"-5", std::nullopt}, AnswerCase{"1e400", std::nullopt}));

TEST(IsShowCaption, LooksOnlyAtTheLastElevenCharacters)
{
    EXPECT_TRUE(SlideShow::IsShowCaption("PowerReels - e=2.000 (SlideShow)"));
    EXPECT_TRUE(SlideShow::IsShowCaption("(SlideShow)"));
    EXPECT_FALSE(SlideShow::IsShowCaption("PowerReels"));
    EXPECT_FALSE(SlideShow::IsShowCaption("PowerReels - e=2.000 (Calculating)"));
    EXPECT_FALSE(SlideShow::IsShowCaption("PowerReels - e=2.000 (slideshow)"));
    EXPECT_FALSE(SlideShow::IsShowCaption("SlideShow)"));
}

} // namespace
