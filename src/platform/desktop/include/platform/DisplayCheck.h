#pragma once

namespace Platform {

// Said instead of Qt's abort when the window cannot be shown.
extern const char* const NoDisplayMessage;

// True when a display can be had: a Qt platform (offscreen, ...) was chosen
// with QT_QPA_PLATFORM or -platform, or a display is named in the
// environment; an X display only when it can be opened.
bool DisplayAvailable(int argc, const char* const* argv);

} // namespace Platform
