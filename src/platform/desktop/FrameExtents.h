#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace Platform {

// Asks the window manager, once a top-level window has its native window but
// before it is first shown, which frame it will draw around it, and waits for
// the answer at most a few seconds, so that the window can be placed by its
// outer corner from the moment it appears. Returns at once off X11, without a
// window manager, or with one that does not answer such a question.
void AskFrameExtents(QWidget& window);

// The frame around a top-level window, in pixels: as the window manager
// announced it (also before the window is shown, once asked), else as Qt
// knows it; no frame when neither knows one.
QMargins FrameExtents(const QWidget& window);

// The frame the window manager announced for the window, if it did.
std::optional<QMargins> AnnouncedFrameExtents(const QWidget& window);

} // namespace Platform
