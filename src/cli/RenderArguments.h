#pragma once

#include "cli/FilmParameters.h"
#include "platform/PictureFormat.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace Cli {

// No screen limits a frame here; this keeps one frame's buffers within a few
// gigabytes.
inline constexpr std::int32_t MaxPixels = 16384;

struct RenderOptions : FilmParameters
{
    QString parent = ".";
    // The frames to render, a part of 0..steps.
    std::int32_t firstFrame = 0;
    std::int32_t lastFrame = 0;
    int threads = 0; // 0: one per core
    // Frames already on disk whole are kept, not rendered again.
    bool resume = false;
    // The frame files' format: the window's bitmaps unless asked.
    Platform::PictureFormat format = Platform::PictureFormat::Bmp;
};

// Reads the arguments after "render". The four numbers get the window's
// parameter check and its messages; a missing number reads like an empty
// box. Throws UsageError.
RenderOptions ParseRenderArguments(const QStringList& arguments);

// The index of a palette named case-insensitively, or -1.
int PaletteIndex(const QString& name);

// "Rainbow, Grey, ..." for messages.
QString PaletteNameList();

} // namespace Cli
