#include "platform/DisplayCheck.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace Platform {

const char* const NoDisplayMessage =
    "The PowerReels window needs a display: start it in a desktop session, over ssh -X, or "
    "under xvfb-run (Debian packages xvfb and xauth); powerreels-cli renders films without "
    "one.\n";

namespace {

const char* Value(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// The value of a Qt command-line option such as -platform, or null.
const char* Option(int argc, const char* const* argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0 ||
            (argv[i][0] == '-' && std::strcmp(argv[i] + 1, name) == 0))
            return argv[i + 1];
    }
    return nullptr;
}

// Qt aborts when the X display it is given cannot be opened; asked first,
// the program can say so in its own words.
bool XDisplayOpens(const char* name)
{
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(name, nullptr), &xcb_disconnect);
    return xcb_connection_has_error(connection.get()) == 0;
}

} // namespace

bool DisplayAvailable(int argc, const char* const* argv)
{
    const char* platform = Option(argc, argv, "-platform");
    if (platform == nullptr)
        platform = Value("QT_QPA_PLATFORM");
    const bool chosen =
        platform != nullptr || Value("DISPLAY") != nullptr || Value("WAYLAND_DISPLAY") != nullptr;
    if (!chosen)
        return false;
    // Qt picks X11 when told to, or when no Wayland display is named.
    const bool x11 = platform != nullptr ? std::strncmp(platform, "xcb", 3) == 0
                                         : Value("WAYLAND_DISPLAY") == nullptr;
    if (!x11)
        return true;
    const char* display = Option(argc, argv, "-display");
    return XDisplayOpens(display != nullptr ? display : Value("DISPLAY"));
}

} // namespace Platform
