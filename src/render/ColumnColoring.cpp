#include "ColumnColoring.h"

#include "LinearLight.h"
#include "render/EscapeColor.h"
#include "render/FrameValues.h"

#include <algorithm>

namespace Render {

ColumnColoring::ColumnColoring(const FrameRequest& request, const FrameValues& values,
                               int firstCount, Logarithms logs, const double* sampleRho)
    : m_pixels(std::max(request.pixels, 0)), m_n(SamplesAcross(request)), m_sampleRho(sampleRho)
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

void ColumnColoring::takeOvershoots(const ColumnSamples& samples, std::size_t count) const
{
    if (m_smooth) {
        m_smooth->overshoots(samples.moduli, count);
    }
}

template<class SampleColor>
std::int32_t ColumnColoring::pixelMean(int row, SampleColor color) const
{
    LinearLightMean mean;
    for (int sub = 0; sub < m_n; ++sub) {
        for (int k = 0; k < m_n; ++k) {
            if (!(m_sampleRho[std::size_t(row) * m_n + k] < 0)) {
                mean.add(color(sub, k));
            }
        }
    }
    return mean.mean();
}

void ColumnColoring::colorPlain(const ColumnSamples& samples, std::int32_t* colors) const
{
    takeOvershoots(samples, std::size_t(m_pixels));
    for (int row = 0; row < m_pixels; ++row) {
        colors[row] = sampleColor(samples, std::size_t(row));
    }
}

void ColumnColoring::colorColumn(const ColumnSamples& samples, std::int32_t* colors) const
{
    if (m_n == 1) {
        colorPlain(samples, colors);
        return;
    }
    takeOvershoots(samples, std::size_t(m_pixels) * m_n * m_n);
    // Samples lie sub-column after sub-column, each n rows per pixel row.
    const std::size_t rows = std::size_t(m_pixels) * m_n;
    for (int row = 0; row < m_pixels; ++row) {
        colors[row] = pixelMean(row, [&](int sub, int k) {
            return sampleColor(samples, sub * rows + std::size_t(row) * m_n + k);
        });
    }
}

int ColumnColoring::listedPerPixel() const
{
    return m_n * m_n - m_n % 2;
}

void ColumnColoring::colorListed(const ColumnSamples& samples, std::int32_t* colors) const
{
    takeOvershoots(samples, std::size_t(samples.count));
    const int per = listedPerPixel();
    const int middle = m_n % 2 == 1 ? m_n * m_n / 2 : -1;
    for (int first = 0; first < samples.count; first += per) {
        const int row = samples.rows[first] / m_n;
        const std::int32_t plain = colors[row];
        colors[row] = pixelMean(row, [&](int sub, int k) {
            const int index = sub * m_n + k;
            if (index == middle) {
                return plain;
            }
            return sampleColor(samples,
                               std::size_t(first + index - (middle >= 0 && index > middle)));
        });
    }
}

} // namespace Render
