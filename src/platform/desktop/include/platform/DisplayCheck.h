#pragma once

namespace Platform {

// Said instead of Qt's abort when the window cannot be shown.
extern const char* const NoDisplayMessage;

// True when a display can be had: one is named in the environment, or a Qt
// platform (offscreen, ...) was chosen with QT_QPA_PLATFORM or -platform.
bool DisplayChosen(int argc, const char* const* argv);

} // namespace Platform
