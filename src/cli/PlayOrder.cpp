#include "cli/PlayOrder.h"

namespace Cli {

std::vector<int> PlayOrder(int frameCount, bool pingpong, int hold)
{
    std::vector<int> order;
    const int last = frameCount - 1;
    const auto show = [&](int frame) {
        const bool end = frame == 0 || frame == last;
        order.insert(order.end(), end ? hold : 1, frame);
    };
    for (int frame = 0; frame <= last; ++frame)
        show(frame);
    if (pingpong) {
        for (int frame = last - 1; frame >= 1; --frame)
            show(frame);
    }
    return order;
}

} // namespace Cli
