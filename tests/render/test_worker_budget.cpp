#include "CountingBudget.h"
#include "render/FrameRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

namespace {

using Render::FrameRender;
using Render::FrameRequest;

struct BudgetCase
{
    const char* name;
    int threads;
    int supersample; // with 2 or more, adaptive
};

class WorkerBudgetTest : public testing::TestWithParam<BudgetCase>
{
};

// Frames in turn as a film renders them, the next one started once every
// column of the current one has gone to a worker: no more workers compute at
// once than asked for, nor than the cores. A frame started while every worker
// is busy with seconds of another computes nothing, not even its first column.
TEST_P(WorkerBudgetTest, FramesKeepToTheBudget)
{
    Render::CountingBudget budget(GetParam().threads);
    FrameRequest request{.e = 1.5,
                         .pixels = 150,
                         .budget = &budget,
                         .supersample = GetParam().supersample,
                         .adaptive = true};
    auto next = std::make_unique<FrameRender>(request);
    for (int k = 1; k <= 3; ++k) {
        const std::unique_ptr<FrameRender> render = std::move(next);
        request.e += 1;
        for (int x = 0; x < 150; ++x) {
            ASSERT_TRUE(render->waitForColumn(x));
            if (!next && k < 3 && render->allColumnsHandedOut())
                next = std::make_unique<FrameRender>(request);
        }
    }
    const int cores = int(std::thread::hardware_concurrency());
    EXPECT_EQ(budget.peak(), std::min(GetParam().threads, cores));

    FrameRender busy(
        {.e = 1.5, .pixels = 1500, .path = Render::MathPath::Reference, .budget = &budget});
    FrameRender waiting(request);
    waiting.abort();
    EXPECT_FALSE(waiting.waitForColumn(0));
}

INSTANTIATE_TEST_SUITE_P(
    Render, WorkerBudgetTest,
    testing::Values(BudgetCase{"OneThread", 1, 1}, BudgetCase{"TwoThreads", 2, 1},
                    BudgetCase{"FiveThreads", 5, 1}, BudgetCase{"ManyThreads", 64, 1},
                    BudgetCase{"OneThreadAdaptive", 1, 3}, BudgetCase{"FiveThreadsAdaptive", 5, 3},
                    BudgetCase{"ManyThreadsAdaptive", 64, 3}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
