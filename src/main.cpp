#include "platform/CloseRequests.h"
#include "platform/DisplayCheck.h"
#include "platform/QtDesktop.h"
#include "platform/Version.h"
#include "resources/Icon.h"
#include "window/frmPowerReels.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// Answered before Qt starts, so that no display is needed. The man page
// powerreels(1) is made from this text.
const char* const Help = R"(Usage: powerreels [--help] [--version]
Renders and plays films of the Mandelbrot set with real exponents: the points
c for which z -> z^e + c, started at z = c, stays bounded, for any real e >= 1.

The window:
  Type the minimum and maximum exponent, the number of steps and the picture
  size in pixels, choose a palette and press Calculate (Alt+C): the film's
  frames are drawn one after the other and saved as 24-bit bitmaps in a
  folder named after the film, e.g. "eMin=2 eMax=3 Steps=4 Pixels=200 Blue".
  With the same numbers and palette entered, SlideShow (Alt+S or Enter) asks
  for a frame time in milliseconds and plays the film back and forth: Space
  pauses and resumes, Enter reverses. Closing the window ends a show; Exit
  (Esc) ends the program.

Files:
  The films are written beside the program when its folder is writable for
  the user and not an install's (PREFIX/bin), otherwise into the user's
  pictures folder: ~/Pictures/PowerReels, or PowerReels in the folder that
  XDG_PICTURES_DIR names.

Options:
  -h, --help     shows this help
      --version  shows the version
)";

// The text asked for is the output itself: failing to write it fails.
int Print(const char* text)
{
    return std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            return Print(Help);
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            return Print("powerreels " POWERREELS_VERSION "\n");
        }
    }
    if (!Platform::DisplayAvailable(argc, argv)) {
        std::fputs(Platform::NoDisplayMessage, stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("PowerReels");
    // Ties the window to its desktop entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(POWERREELS_APP_ID);
    QApplication::setWindowIcon(PowerReelsIcon());
    Platform::QtDesktop desktop;
    frmPowerReels form(desktop);
    Platform::RouteCloseRequests(form);
    form.Show();
    return QApplication::exec();
}
