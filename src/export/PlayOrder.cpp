#include "export/PlayOrder.h"

#include "slideshow/Playback.h"

namespace Export {

std::vector<int> PlayOrder(int frameCount, bool pingpong, int hold)
{
    if (frameCount <= 1)
        return std::vector<int>(frameCount == 1 ? hold : 0, 0);
    // The slide show in its steady course, from frame 0 just reached on the
    // way down: held there as at every turn, so that the video loops
    // seamlessly.
    const std::int32_t steps = frameCount - 1;
    std::vector<int> order;
    SlideShow::Position at{0, -1, false};
    do {
        const SlideShow::Position next = SlideShow::Advance(at.frame, at.direction, steps);
        order.insert(order.end(), next.turned ? hold : 1, at.frame);
        if (!pingpong && at.frame == steps)
            break;
        at = next;
    } while (at.frame != 0 || at.direction != -1);
    return order;
}

} // namespace Export
