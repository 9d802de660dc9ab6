#pragma once

#include <functional>

class QWidget;

namespace Platform {

// Runs an action once the window manager has framed a shown top-level
// window, when its border is known and a move places the outer corner; or,
// with framed false, after two seconds without a frame (no window manager:
// the outer corner is the client corner). The action is dropped with the
// window.
void WhenFramed(QWidget& window, std::function<void(bool framed)> action);

} // namespace Platform
