#include "render/FrameRenderer.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using Film::FrameRender;
using Film::FrameRequest;
using Film::MathPath;

TEST(FrameRender, ColumnsTakenInOrderFormTheWholeFrame)
{
    FrameRequest request;
    request.e = 2.5;
    request.pixels = 120;
    request.threads = 3;
    const std::vector<std::int32_t> frame = Film::RenderFrameColors(request);
    const std::vector<std::uint8_t> counts = Film::RenderFrameCounts(request);

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

// A large frame on the reference path takes seconds; aborted at once, the
// workers stop after the column they are on, long before the last column.
TEST(FrameRender, AbortStopsTheWorkers)
{
    FrameRequest request;
    request.e = 1.5;
    request.pixels = 1500;
    request.threads = 1;
    request.path = MathPath::Reference;
    FrameRender render(request);
    render.abort();
    EXPECT_TRUE(render.waitForColumn(0));
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
    EXPECT_TRUE(Film::RenderFrameColors(request).empty());
}

} // namespace
