#pragma once

#include <vector>

namespace Export {

// The order in which a video shows frameCount frames (indices 0 to
// frameCount - 1): forward once, or with pingpong forward and back as the
// slide show plays, each end frame once per turn (0..N, N-1..1), so that a
// looping player goes on seamlessly. Every end frame is shown hold times in
// a row, as the slide show holds its turns.
std::vector<int> PlayOrder(int frameCount, bool pingpong, int hold);

} // namespace Export
