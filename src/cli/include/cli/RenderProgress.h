#pragma once

#include "cli/RenderArguments.h"
#include "terminal/Console.h"
#include "terminal/Durations.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

namespace Cli {

// What a film render reports while it runs, besides its problems.
class RenderObserver : public Terminal::Console
{
public:
    // kept: frames of the range already on disk, left as they are; film:
    // its steps, how they were chosen and the decimals its frames are told by.
    virtual void filmStarted(const QString& folder, std::int64_t frameCount, std::int64_t kept,
                             const RenderOptions& film) = 0;
    // position counts the frames of this render from 1; k is the frame's
    // index in the film.
    virtual void frameStarted(std::int64_t position, std::int64_t k, double e) = 0;
    virtual void columnsFinished(int columns, int pixels) = 0;
    // Frames are saved while the next one renders: the saved one is named.
    virtual void frameSaved(std::int64_t k, double e, const QString& path, double seconds) = 0;
    virtual void filmEnded() = 0;
    // The render's last word on its frames, stopped or not.
    virtual void filmSummary(std::int64_t written, std::int64_t failed) = 0;
};

// Where a render stands, for the progress texts.
struct ProgressState
{
    std::int64_t position = 1; // the frame being rendered, from 1
    std::int64_t frameCount = 1;
    int columns = 0; // finished columns of that frame
    int pixels = 1;
    double e = 0;
    double elapsedSeconds = 0;
    std::int64_t k = 0; // that frame's index in the film
    std::int64_t steps = 0;
    int decimals = Film::DefaultDecimals; // of the exponent shown
};

// The part of the whole render that is done, 0 to 1.
double DoneFraction(const ProgressState& state);

// Time left, extrapolated from the time so far; none before anything is done.
std::optional<double> SecondsLeft(const ProgressState& state);

// Shared with the export's progress.
using Terminal::FormatDuration;

// "frame 3 of 0-4 (e=2.500) [#####-----]  47%  elapsed 0:12  left 0:30"; the
// percentage is that of the current frame.
QString ProgressBarText(const ProgressState& state, int barWidth);

// "5 frames written, 0 kept, 0 failed in 0:12; the film is in \"folder\".",
// with the plan before the folder when there is one ("...; Steps=299 plays
// 10 s at 30 fps; the film is in ...").
QString SummaryText(std::int64_t written, std::int64_t kept, std::int64_t failed, double seconds,
                    const QString& folder, const QString& plan = {});

// A bar redrawn in place, for a terminal.
std::unique_ptr<RenderObserver> MakeBarProgress();
// One line per frame, for logs and batch systems.
std::unique_ptr<RenderObserver> MakeLineProgress();

} // namespace Cli
