#pragma once

#include "platform/PictureFormat.h"
#include "render/FrameRenderer.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace Film {

// The largest picture a film may have where no screen limits it.
inline constexpr std::int32_t MaxPixels = Platform::LargestPictureSide;

// Decimals of the exponent in frame names: the window's three, or more on
// request for films that step more finely.
inline constexpr int DefaultDecimals = 3;
inline constexpr int MaxDecimals = 9;

// One film, read and checked once and then handed on whole: the window's
// film run and slide show, the command line's render and export name, draw
// and find its frames through it. Options beyond the window's design follow
// the palette, each with a default that changes no frame.
struct FilmParameters
{
    double eMin = 0;
    double eMax = 0;
    std::int32_t steps = 0;
    std::int32_t pixels = 0;
    int paletteIndex = 0;
    // How its frames are stored; not in the folder's name, which names the
    // same frames in either format.
    Platform::PictureFormat format = Platform::PictureFormat::Bmp;
    int supersample = 1; // n x n samples per pixel, averaged in linear light
    // With supersample >= 2: the samples only where the plain frame shows an
    // edge, each such pixel the same as in the full film.
    bool adaptive = false;
    bool smooth = false;            // colours from a continuous escape value
    int decimals = DefaultDecimals; // of the exponent in frame names

    bool operator==(const FilmParameters&) const = default;

    // The palette's name, as the film's folder carries it.
    QString paletteName() const;
    // The exponent of frame k of 0..steps.
    double frameExponent(std::int64_t k) const;
    // The exponent frame k is rendered with; it is named after
    // frameExponent(k), which for three decimals names the same file.
    double renderedExponent(std::int64_t k) const;
    // What the renderer draws frame k from; the caller adds its threads.
    Render::FrameRequest frameRequest(std::int64_t k) const;

    // "eMin=2 eMax=4.5 Steps=25 Pixels=300 Rainbow", followed by the
    // options' suffix (" SS3 Smooth D6") for frames drawn or named otherwise.
    QString folderName(QChar separator) const;
    // parent + "/" + folderName, with one "/" between them whether or not
    // parent ends in one.
    QString folderPath(const QString& parent, QChar separator) const;
    // "PowerReels-002.500.bmp" (or ".png"), the name of frame k's file with
    // the film's decimals: the one name by which it is written and found.
    QString frameFileName(std::int64_t k, QChar separator) const;
    // folder + "/" + frameFileName(k).
    QString framePath(const QString& folder, std::int64_t k, QChar separator) const;
};

// The index of a palette named case-insensitively, or -1.
int PaletteIndex(const QString& name);

// "Rainbow, Grey, ..." for messages and help.
QString PaletteNameList();

// base + "/" + name, with exactly one separator between them.
QString PathInFolder(const QString& base, const QString& name);

} // namespace Film
