#pragma once

#include "film/FilmParameters.h"
#include "platform/PictureFormat.h"

#include <QString>
#include <QStringList>
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

// basePath + "/eMin=2 eMax=4.5 Steps=25 Pixels=300 Rainbow" (and the
// variant suffix, see FilmVariant.h), with one "/" between them whether or
// not basePath ends in one; the name alone for an empty basePath.
QString FrameFolderPath(const QString& basePath, const FilmParameters& film, QChar separator);

// "PowerReels-002.500.bmp", or ".png" for frames in PNG.
QString FrameFileName(double e, QChar separator,
                      Platform::PictureFormat format = Platform::PictureFormat::Bmp);

// folder + "/PowerReels-002.500.bmp", or ".png" for a film in PNG.
QString FrameFilePath(const QString& folderPath, double e, QChar separator,
                      Platform::PictureFormat format = Platform::PictureFormat::Bmp);

// The paths a frame may be stored under: with the user's decimal separator
// first, then with the other one of point and comma, for a film rendered in
// parts under different number settings.
QStringList FrameFileCandidates(const QString& folderPath, double e,
                                Platform::PictureFormat format = Platform::PictureFormat::Bmp);

// "PowerReels - e=2.500" followed by the state, e.g. " (Calculating)".
QString FrameCaption(double e, const QString& state, QChar separator);

} // namespace Film
