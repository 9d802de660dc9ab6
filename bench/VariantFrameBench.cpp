#include "BenchFrames.h"

#include "WholeFrame.h"
#include "render/FrameRenderer.h"

#include <ctime>

namespace {

// The processor time of this process: the worker's, and not what other
// programs on a busy machine take from it.
double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double RenderSeconds(const Render::FrameRequest& request)
{
    const double start = ProcessSeconds();
    benchmark::DoNotOptimize(Render::RenderFrameColors(request));
    return ProcessSeconds() - start;
}

// A supersampled or smooth frame against the default frame of the same
// exponent, rendered in turn on one thread so that both see the machine
// alike, each first every other time (the first of a pair runs slower).
// Arguments: e * 1000, samples per pixel across, smooth (0 or 1).
// "x default" is the variant's time over the default's: at most 9.9 for
// supersample 3, at most 1.1 for smooth.
void Variant(benchmark::State& state)
{
    Render::FrameRequest plain;
    plain.e = state.range(0) / 1000.0;
    plain.pixels = Bench::Pixels;
    plain.threads = 1;
    Render::FrameRequest variant = plain;
    variant.supersample = int(state.range(1));
    variant.smooth = state.range(2) != 0;
    double plainSeconds = 0;
    double variantSeconds = 0;
    bool plainFirst = true;
    for (auto _ : state) {
        if (plainFirst) {
            plainSeconds += RenderSeconds(plain);
        }
        const double seconds = RenderSeconds(variant);
        if (!plainFirst) {
            plainSeconds += RenderSeconds(plain);
        }
        plainFirst = !plainFirst;
        variantSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["x default"] = variantSeconds / plainSeconds;
}
BENCHMARK(Variant)
    ->ArgsProduct({{1500, 2500}, {3}, {0}})
    ->ArgsProduct({{1500, 2500}, {1}, {1}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

} // namespace
