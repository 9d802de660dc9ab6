#pragma once

#include <functional>

class QWidget;

namespace Platform {

// Waits for the window manager to frame a top-level window that is being
// shown: from then on its border is known and a move places its outer
// corner. Calls action(true) at every poll once the window is on the screen
// and framed, until the action returns true or five more seconds pass; calls
// action(false) once when the window is on the screen but not framed within
// five seconds (no window manager: the outer corner is the client corner).
// The polls end with the window.
void WhenFramed(QWidget& window, std::function<bool(bool framed)> action);

// Once the window manager has framed the window, places it with place(), and
// again whenever the window manager moves it away just after framing it, until
// it has stayed where it was put for a second or wanted() turns false.
// Without a window manager the window stays where it was put before.
void PlaceWhenFramed(QWidget& window, std::function<void()> place,
                     std::function<bool()> wanted = {});

} // namespace Platform
