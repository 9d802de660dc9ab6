#include "CountingBudget.h"
#include "WholeFrame.h"
#include "render/FrameRenderer.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using Render::FrameRender;
using Render::FrameRequest;
using Render::MathPath;

TEST(FrameRender, ColumnsTakenInOrderFormTheWholeFrame)
{
    FrameRequest request;
    request.e = 2.5;
    request.pixels = 120;
    request.threads = 3;
    const std::vector<std::int32_t> frame = Render::RenderFrameColors(request);
    const std::vector<std::uint8_t> counts = Render::RenderFrameCounts(request);

    FrameRender render(request);
    EXPECT_EQ(render.pixels(), 120);
    for (int x = 0; x < 120; ++x) {
        ASSERT_TRUE(render.waitForColumn(x));
        ASSERT_EQ(render.column(x).size(), 120u);
        ASSERT_EQ(render.columnCounts(x).size(), 120u);
        for (int row = 0; row < 120; ++row) {
            EXPECT_EQ(render.column(x)[row], frame[x * 120 + row]);
            EXPECT_EQ(render.columnCounts(x)[row], counts[x * 120 + row]);
        }
    }
}

TEST(FrameRender, ColumnOutsideTheFrameIsNeverFinished)
{
    FrameRequest request;
    request.pixels = 104;
    FrameRender render(request);
    EXPECT_FALSE(render.waitForColumn(-1));
    EXPECT_FALSE(render.waitForColumn(104));
}

// A large frame on the reference path takes seconds; aborted once its first
// column is there, the workers stop after the column they are on, long before
// the last column.
TEST(FrameRender, AbortStopsTheWorkers)
{
    FrameRequest request;
    request.e = 1.5;
    request.pixels = 1500;
    request.threads = 1;
    request.path = MathPath::Reference;
    FrameRender render(request);
    ASSERT_TRUE(render.waitForColumn(0));
    render.abort();
    EXPECT_FALSE(render.waitForColumn(1499));
}

TEST(FrameRender, AbortWakesAWaitingCaller)
{
    FrameRequest request;
    request.e = 1.5;
    request.pixels = 1500;
    request.threads = 1;
    request.path = MathPath::Reference;
    FrameRender render(request);
    std::jthread aborter([&render] { render.abort(); });
    EXPECT_FALSE(render.waitForColumn(1499));
}

TEST(FrameRender, DestroyingAnUnfinishedRenderReturns)
{
    FrameRequest request;
    request.e = 1.5;
    request.pixels = 1500;
    request.path = MathPath::Reference;
    FrameRender render(request);
    EXPECT_TRUE(render.waitForColumn(1));
}

TEST(FrameRender, EmptyFrameHasNoColumns)
{
    FrameRequest request;
    request.pixels = 0;
    EXPECT_TRUE(Render::RenderFrameColors(request).empty());
}

// Two frames that overlap share the budget's workers, no more of them
// computing at once than the cores, and the frames come out as when
// rendered alone.
TEST(FrameRender, OverlappingFramesKeepToTheirSharedWorkers)
{
    Render::CountingBudget budget(3);
    FrameRequest request;
    request.pixels = 200;
    request.threads = 3;
    request.budget = &budget;
    request.e = 2.5;
    FrameRender first(request);
    request.e = 3.5;
    FrameRender second(request);
    for (FrameRender* render : {&first, &second}) {
        for (int x = 0; x < 200; ++x)
            ASSERT_TRUE(render->waitForColumn(x));
    }
    EXPECT_EQ(budget.peak(), budget.places());
    request.budget = nullptr;
    const std::vector<std::int32_t> alone = Render::RenderFrameColors(request);
    for (int x = 0; x < 200; ++x) {
        for (int row = 0; row < 200; ++row)
            ASSERT_EQ(second.column(x)[row], alone[x * 200 + row]);
    }
}

} // namespace
