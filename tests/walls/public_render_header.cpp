// Reaches the render core's public interface, as the window and the command
// line do.
#include "render/FrameRenderer.h"

int PublicRenderHeaderReached = sizeof(Render::FrameRequest);
