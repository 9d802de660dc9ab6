#pragma once

class QPoint;
class QWidget;

namespace Platform {

// Puts the outer corner of a top-level window, the window manager's frame
// included, at this point of the screen, in pixels, in one step: the window
// manager is asked to place the frame there, whenever it frames the window,
// so that nothing waits for its answer. A window that is not shown yet keeps
// the place when it is shown, whatever size it takes then.
void PlaceFrameAt(QWidget& window, const QPoint& corner);

} // namespace Platform
