#include "WholeFrame.h"

#include <vector>

namespace Render {

namespace {

template<class Value, class Column>
std::vector<Value> CollectColumns(const FrameRequest& request, Column column)
{
    FrameRender render(request);
    std::vector<Value> frame;
    frame.reserve(std::size_t(render.pixels()) * render.pixels());
    for (int x = 0; x < render.pixels(); ++x) {
        render.waitForColumn(x);
        const auto values = column(render, x);
        frame.insert(frame.end(), values.begin(), values.end());
    }
    return frame;
}

} // namespace

std::vector<std::int32_t> RenderFrameColors(const FrameRequest& request)
{
    return CollectColumns<std::int32_t>(
        request, [](const FrameRender& render, int x) { return render.column(x); });
}

std::vector<std::uint8_t> RenderFrameCounts(const FrameRequest& request)
{
    return CollectColumns<std::uint8_t>(
        request, [](const FrameRender& render, int x) { return render.columnCounts(x); });
}

} // namespace Render
