#pragma once

class QApplication;

namespace Bench {

// The one application object of the window benchmarks, offscreen unless a
// platform is chosen.
QApplication& Application();

} // namespace Bench
