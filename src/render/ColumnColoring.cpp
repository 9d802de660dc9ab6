#include "ColumnColoring.h"

#include "LinearLight.h"
#include "render/EscapeColor.h"
#include "render/FrameValues.h"

#include <algorithm>

namespace Render {

ColumnColoring::ColumnColoring(const FrameRequest& request, const FrameValues& values,
                               int firstCount, Logarithms logs)
    : m_pixels(std::max(request.pixels, 0)), m_n(SamplesAcross(request))
{
    for (int count = 0; count < CountValues; ++count) {
        m_colorOfCount[count] = EscapeColor(request.e, count, firstCount, request.paletteIndex);
    }
    if (!request.smooth) {
        return;
    }
    m_smooth.emplace(request.e, values.bailout, logs);
    for (int count = 0; count < CountValues; ++count) {
        for (int level = 0; level <= OvershootLevels; ++level) {
            const double value = ContinuousEscape::Value(count, double(level) / OvershootLevels);
            m_smoothColors.push_back(
                SmoothEscapeColor(request.e, count, value, firstCount, request.paletteIndex));
        }
    }
}

int ColumnColoring::SamplesAcross(const FrameRequest& request)
{
    return std::clamp(request.supersample, 1, MaxSupersample);
}

// Smooth, the moduli hold the overshoots by now.
std::int32_t ColumnColoring::sampleColor(const ColumnSamples& samples, std::size_t index) const
{
    const int count = samples.counts[index];
    if (!m_smooth) {
        return m_colorOfCount[count];
    }
    const int level = int(samples.moduli[index] * OvershootLevels);
    return m_smoothColors[std::size_t(count) * (OvershootLevels + 1) + level];
}

void ColumnColoring::colorColumn(const ColumnSamples& samples, std::int32_t* colors) const
{
    if (m_smooth) {
        m_smooth->overshoots(samples.moduli, std::size_t(m_pixels) * m_n * m_n);
    }
    if (m_n == 1) {
        for (int row = 0; row < m_pixels; ++row) {
            colors[row] = sampleColor(samples, std::size_t(row));
        }
        return;
    }
    // Samples lie sub-column after sub-column, each n rows per pixel row.
    const std::size_t rows = std::size_t(m_pixels) * m_n;
    for (int row = 0; row < m_pixels; ++row) {
        LinearLightMean mean;
        for (int sub = 0; sub < m_n; ++sub) {
            const std::size_t first = sub * rows + std::size_t(row) * m_n;
            for (int k = 0; k < m_n; ++k) {
                mean.add(sampleColor(samples, first + k));
            }
        }
        colors[row] = mean.mean();
    }
}

} // namespace Render
