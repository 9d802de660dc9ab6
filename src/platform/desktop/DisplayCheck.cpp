#include "platform/DisplayCheck.h"

#include <cstdlib>
#include <cstring>

namespace Platform {

const char* const NoDisplayMessage =
    "The PowerReels window needs a display: start it in a desktop session, over ssh -X, or "
    "under xvfb-run; powerreels-cli renders films without one.\n";

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

} // namespace

bool DisplayChosen(int argc, const char* const* argv)
{
    if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

} // namespace Platform
