#pragma once

#include "platform/PictureFormat.h"

#include <QString>
#include <cstdint>

// The one way the film run and the slide show compute a frame's exponent,
// the film's folder and a frame's file, so that their names always agree.
// Names are written with the decimal separator given, the user's
// (Platform::DecimalSeparator()) wherever a name is shown or stored.
namespace Film {

// ((eMax - eMin) * k) / steps + eMin, in exactly this order.
double FrameExponent(double eMin, double eMax, std::int32_t steps, std::int64_t k);

// The exponent a frame is rendered with: exactly 1 has no picture and is
// replaced by a neighbour that names the same file.
double RenderedExponent(double e);

// basePath (ending in "/") + "eMin=2 eMax=4.5 Steps=25 Pixels=300 Rainbow".
QString FrameFolderPath(const QString& basePath, double eMin, double eMax, std::int32_t steps,
                        std::int32_t pixels, const QString& paletteName, QChar separator);

// folder + "/PowerReels-002.500.bmp", or ".png" for a film in PNG.
QString FrameFilePath(const QString& folderPath, double e, QChar separator,
                      Platform::PictureFormat format = Platform::PictureFormat::Bmp);

// "PowerReels - e=2.500" followed by the state, e.g. " (Calculating)".
QString FrameCaption(double e, const QString& state, QChar separator);

} // namespace Film
