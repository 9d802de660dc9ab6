#pragma once

#include "film/FilmParameters.h"
#include "terminal/OptionTable.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace Cli {

// What render is asked to do: the film, and where and how to render which of
// its frames.
struct RenderOptions
{
    Film::FilmParameters film;
    QString parent = ".";
    // The frames to render, a part of 0..steps.
    std::int32_t firstFrame = 0;
    std::int32_t lastFrame = 0;
    int threads = 0; // 0: one per core
    // Frames already on disk whole are kept, not rendered again.
    bool resume = false;
    // How the steps follow from a length asked for; empty when given.
    QString lengthPlan;
};

// The options of render, with their limits and help lines.
const Terminal::OptionTable& RenderOptionTable();

// Reads the arguments after "render". The four numbers are required (the
// steps given, or planned by --seconds and --fps) and read whole, then get
// the window's parameter check and its messages, for frame names with
// --decimals. Throws Terminal::UsageError.
RenderOptions ParseRenderArguments(const QStringList& arguments);

} // namespace Cli
