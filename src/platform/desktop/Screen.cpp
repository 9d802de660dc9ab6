#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace Platform {

ScreenMetrics CurrentScreen()
{
    ScreenMetrics metrics;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return metrics;
    metrics.TwipsPerPixelX = static_cast<float>(1440.0 / screen->logicalDotsPerInchX());
    metrics.TwipsPerPixelY = static_cast<float>(1440.0 / screen->logicalDotsPerInchY());
    const QRect pixels = screen->geometry();
    metrics.Width = pixels.width() * double(metrics.TwipsPerPixelX);
    metrics.Height = pixels.height() * double(metrics.TwipsPerPixelY);
    return metrics;
}

} // namespace Platform
