#pragma once

namespace Platform {

// The screen as the program measures it: sizes in twips (1/1440 inch) and
// the twips of one pixel, 1440 / the screen's logical dots per inch.
struct ScreenMetrics
{
    double Width = 0;
    double Height = 0;
    float TwipsPerPixelX = 15;
    float TwipsPerPixelY = 15;
};

// The primary screen now; needs a QGuiApplication.
ScreenMetrics CurrentScreen();

} // namespace Platform
