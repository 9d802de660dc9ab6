#pragma once

#include "film/FilmParameters.h"
#include "platform/PictureFormat.h"

#include <QString>
#include <cstdint>

// The rules under FilmParameters' naming, which the film run, the slide show,
// the command line and export all go through, so that their names agree.
// Names are written with the decimal separator given, the user's
// (Platform::DecimalSeparator()) wherever a name is shown or stored.
namespace Film {

// ((eMax - eMin) * k) / steps + eMin, in exactly this order.
double FrameExponent(double eMin, double eMax, std::int32_t steps, std::int64_t k);

// The exponent a frame is rendered with: exactly 1 has no picture and is
// replaced by a neighbour that names the same file.
double RenderedExponent(double e);

// "PowerReels-002.500.bmp", or ".png" for frames in PNG; with more decimals
// "PowerReels-002.500000.bmp".
QString FrameFileName(double e, QChar separator,
                      Platform::PictureFormat format = Platform::PictureFormat::Bmp,
                      int decimals = DefaultDecimals);

// "2.500", or "2.500000" with six decimals: an exponent as messages show
// it, telling apart the frames of a film named with that many decimals.
QString ExponentText(double e, QChar separator, int decimals = DefaultDecimals);

// "PowerReels - e=2.500" followed by the state, e.g. " (Calculating)".
QString FrameCaption(double e, const QString& state, QChar separator);

} // namespace Film
