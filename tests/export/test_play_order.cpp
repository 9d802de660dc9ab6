#include "export/PlayOrder.h"

#include <gtest/gtest.h>

using Export::PlayOrder;

namespace {

struct OrderCase
{
    const char* name;
    int frameCount;
    bool pingpong;
    int hold;
    std::vector<int> order;
};

class PlayOrderTest : public testing::TestWithParam<OrderCase>
{
};

TEST_P(PlayOrderTest, ShowsTheFramesInTurn)
{
    const OrderCase& c = GetParam();
    EXPECT_EQ(PlayOrder(c.frameCount, c.pingpong, c.hold), c.order);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, PlayOrderTest,
    testing::Values(OrderCase{"ForwardOnce", 5, false, 1, {0, 1, 2, 3, 4}},
                    OrderCase{"ForwardHoldingTheEnds", 4, false, 3, {0, 0, 0, 1, 2, 3, 3, 3}},
                    // Each end once per turn, ready to loop: 0..N, N-1..1.
                    OrderCase{"PingpongLikeTheSlideShow", 4, true, 1, {0, 1, 2, 3, 2, 1}},
                    OrderCase{"PingpongHoldingTheTurns", 4, true, 2, {0, 0, 1, 2, 3, 3, 2, 1}},
                    OrderCase{"PingpongOfTwoFrames", 2, true, 1, {0, 1}},
                    OrderCase{"TwoFramesHeld", 2, true, 3, {0, 0, 0, 1, 1, 1}},
                    OrderCase{"OneFrameHeld", 1, true, 10, std::vector<int>(10, 0)},
                    OrderCase{"OneFrame", 1, false, 1, {0}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
