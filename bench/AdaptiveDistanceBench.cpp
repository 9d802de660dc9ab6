#include "LinearLight.h"
#include "WholeFrame.h"
#include "render/FrameRenderer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// How far frames of 256 pixels at e = 2.5 (Rainbow) lie from the true area
// average: the linear-light mean of the 7 x 7 pixels of a 1786-pixel default
// frame of the same film around each pixel (its pixel 7x, 7y is the frame's
// pixel x, y). The distance is the mean absolute difference in sRGB levels
// over the pixels and their three channels. Reported, not timed.
constexpr int Pixels = 256;
constexpr int Fine = 7;

std::vector<std::int32_t> AreaAverage(double e, bool smooth)
{
    Render::FrameRequest request;
    request.e = e;
    request.smooth = smooth;
    request.pixels = (Pixels - 1) * Fine + 1;
    const std::vector<std::int32_t> fine = Render::RenderFrameColors(request);
    std::vector<std::int32_t> average(std::size_t(Pixels) * Pixels);
    for (int x = 0; x < Pixels; ++x) {
        for (int row = 0; row < Pixels; ++row) {
            Render::LinearLightMean mean;
            for (int fx = std::max(x * Fine - 3, 0);
                 fx <= std::min(x * Fine + 3, request.pixels - 1); ++fx) {
                for (int fr = std::max(row * Fine - 3, 0);
                     fr <= std::min(row * Fine + 3, request.pixels - 1); ++fr) {
                    mean.add(fine[std::size_t(fx) * request.pixels + fr]);
                }
            }
            average[std::size_t(x) * Pixels + row] = mean.mean();
        }
    }
    return average;
}

double Distance(const std::vector<std::int32_t>& frame, const std::vector<std::int32_t>& average)
{
    double sum = 0;
    for (std::size_t k = 0; k < frame.size(); ++k) {
        for (int shift : {0, 8, 16}) {
            sum += std::abs(((frame[k] >> shift) & 0xFF) - ((average[k] >> shift) & 0xFF));
        }
    }
    return sum / (3.0 * double(frame.size()));
}

// Arguments: e * 1000, smooth (0 or 1; the average then of smooth frames
// too). The adaptive frame should lie at most 1.1x as far
// from the area average as the full one.
void AdaptiveDistance(benchmark::State& state)
{
    const double e = state.range(0) / 1000.0;
    const bool smooth = state.range(1) != 0;
    std::vector<std::int32_t> average;
    for (auto _ : state) {
        average = AreaAverage(e, smooth);
    }
    Render::FrameRequest request;
    request.e = e;
    request.smooth = smooth;
    request.pixels = Pixels;
    const double plain = Distance(Render::RenderFrameColors(request), average);
    request.supersample = 3;
    const double full = Distance(Render::RenderFrameColors(request), average);
    request.adaptive = true;
    const double adaptive = Distance(Render::RenderFrameColors(request), average);
    state.counters["default"] = plain;
    state.counters["full 3"] = full;
    state.counters["adaptive 3"] = adaptive;
    state.counters["adaptive x full"] = adaptive / full;
}
BENCHMARK(AdaptiveDistance)
    ->Args({2500, 0})
    ->Args({2500, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
