#pragma once

#include "export/VideoTuning.h"

#include <QString>
#include <cstdint>

namespace Cli {

// A film planned by how long it plays: seconds at a rate.
struct FilmLength
{
    QString seconds; // as given: "10", "2.5"
    Export::FrameRate rate;
};

// The steps of a film that plays length.seconds at length.rate: one less
// than its frames. Throws UsageError when the length is not a number of
// seconds, or gives no whole number of frames from 2 up to the most steps a
// film may have and one.
std::int32_t StepsForLength(const FilmLength& length);

// "Steps=299 plays 10 s at 30 fps", for the render's summary.
QString LengthPlanText(const FilmLength& length, std::int32_t steps);

} // namespace Cli
