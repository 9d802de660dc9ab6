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
// then the n x n samples of a pixel averaged in linear light, leaving out
// those with a negative radius (below the inner radius of the lowest
// frames), which lie outside the picture. One sample per pixel is taken as
// it is.
class ColumnColoring
{
public:
    // firstCount: the count of the frame's first pixel, every colour's
    // reference; sampleRho: the radius of each sample row, n per pixel row.
    ColumnColoring(const FrameRequest& request, const FrameValues& values, int firstCount,
                   Logarithms logs, const double* sampleRho);

    // Samples per pixel across and down: the request's, held to 1..8.
    static int SamplesAcross(const FrameRequest& request);

    // Whether the samples' moduli are needed.
    bool needsModuli() const { return m_smooth.has_value(); }

    // The whole grid of n x n samples per pixel. Smooth, the moduli are used
    // up, here and below.
    void colorColumn(const ColumnSamples& samples, std::int32_t* colors) const;

    // One sample per pixel, whatever n is: an adaptive frame's plain samples.
    void colorPlain(const ColumnSamples& samples, std::int32_t* colors) const;

    // An adaptive column's listed samples: pixel after pixel, each pixel's in
    // grid order (sub-column by sub-column, top row first) and, for odd n,
    // without the middle one, whose colour is the pixel's plain colour,
    // already in colors. Each listed pixel gets its mean.
    void colorListed(const ColumnSamples& samples, std::int32_t* colors) const;

    // How many samples colorListed takes per pixel.
    int listedPerPixel() const;

private:
    std::int32_t sampleColor(const ColumnSamples& samples, std::size_t index) const;
    void takeOvershoots(const ColumnSamples& samples, std::size_t count) const;
    template<class SampleColor>
    std::int32_t pixelMean(int row, SampleColor color) const;

    const int m_pixels;
    const int m_n;
    const double* m_sampleRho;
    std::optional<ContinuousEscape> m_smooth;
    // Without smoothing a colour depends only on the count.
    std::array<std::int32_t, CountValues> m_colorOfCount{};
    // Smooth, on the overshoot too, taken to 1/OvershootLevels of a step (far
    // finer than a channel shows): count * (OvershootLevels + 1) + level.
    static constexpr int OvershootLevels = 256;
    std::vector<std::int32_t> m_smoothColors;
};

} // namespace Render
