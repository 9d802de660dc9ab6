#pragma once

#include "platform/PictureFormat.h"

#include <QString>
#include <cstdint>

namespace Film {

// The largest picture a film may have where no screen limits it: one
// frame's buffers stay within a few gigabytes.
inline constexpr std::int32_t MaxPixels = 16384;

// One film, read and checked once and then handed on whole: to naming, to
// the renderer, to the slide show and to export. Options beyond the window's
// design follow the palette, each with a default that changes no frame.
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
    bool smooth = false; // colours from a continuous escape value

    bool operator==(const FilmParameters&) const = default;

    // The palette's name, as the film's folder carries it.
    QString paletteName() const;
    // The exponent of frame k of 0..steps.
    double frameExponent(std::int64_t k) const;
    // The exponent frame k is rendered with and named after.
    double renderedExponent(std::int64_t k) const;
    // "eMin=2 eMax=4.5 Steps=25 Pixels=300 Rainbow", followed by the
    // options' suffix (" SS3 Smooth") for frames drawn otherwise.
    QString folderName(QChar separator) const;
    // "PowerReels-002.500.bmp" (or ".png"), the name of frame k's file.
    QString frameFileName(std::int64_t k, QChar separator) const;
};

// The index of a palette named case-insensitively, or -1.
int PaletteIndex(const QString& name);

// "Rainbow, Grey, ..." for messages and help.
QString PaletteNameList();

// base + "/" + name, with exactly one separator between them.
QString PathInFolder(const QString& base, const QString& name);

} // namespace Film
