#pragma once

#include "ColumnJob.h"
#include "ContinuousEscape.h"
#include "render/EscapeCount.h"
#include "render/FrameRenderer.h"
#include "render/FrameValues.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace Render {

// Turns the samples of one pixel column into the pixels' colours: each
// sample coloured from its count (or, smooth, its continuous escape value),
// then the n x n samples of a pixel averaged in linear light. One sample per
// pixel is taken as it is.
class ColumnColoring
{
public:
    // firstCount: the count of the frame's first pixel, every colour's
    // reference.
    ColumnColoring(const FrameRequest& request, const FrameValues& values, int firstCount,
                   Logarithms logs);

    // Samples per pixel across and down: the request's, held to 1..8.
    static int SamplesAcross(const FrameRequest& request);

    // Whether the samples' moduli are needed.
    bool needsModuli() const { return m_smooth.has_value(); }

    // Smooth, the moduli are used up.
    void colorColumn(const ColumnSamples& samples, std::int32_t* colors) const;

private:
    std::int32_t sampleColor(const ColumnSamples& samples, std::size_t index) const;

    const int m_pixels;
    const int m_n;
    std::optional<ContinuousEscape> m_smooth;
    // Without smoothing a colour depends only on the count.
    std::array<std::int32_t, CountValues> m_colorOfCount{};
    // Smooth, on the overshoot too, taken to 1/OvershootLevels of a step (far
    // finer than a channel shows): count * (OvershootLevels + 1) + level.
    static constexpr int OvershootLevels = 256;
    std::vector<std::int32_t> m_smoothColors;
};

} // namespace Render
