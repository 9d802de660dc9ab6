#pragma once

#include <functional>

class QWidget;

namespace Platform {

// Waits for the window manager to frame a top-level window that is being
// shown: from then on its border is known and a move places its outer
// corner. Calls action(true) at every poll once the window is framed, until
// the action returns true or two more seconds pass; calls action(false) once
// when the window is not framed within two seconds of being shown (no window
// manager: the outer corner is the client corner). The polls end with the
// window.
void WhenFramed(QWidget& window, std::function<bool(bool framed)> action);

} // namespace Platform
