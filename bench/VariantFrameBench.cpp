#include "BenchFrames.h"

#include "AdaptiveRule.h"
#include "WholeFrame.h"
#include "render/FrameRenderer.h"

#include <algorithm>
#include <array>
#include <chrono>
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

// The flagged share of a frame's pixels, from its plain counts.
double FlaggedShare(const Render::FrameRequest& plain)
{
    const std::vector<std::uint8_t> counts = Render::RenderFrameCounts(plain);
    std::vector<std::uint8_t> flags;
    std::size_t flagged = 0;
    for (int x = 0; x < plain.pixels; ++x) {
        Render::FlagColumn(counts.data(), plain.pixels, x, flags);
        flagged += std::size_t(std::count(flags.begin(), flags.end(), 1));
    }
    return double(flagged) / (double(plain.pixels) * plain.pixels);
}

// The default, the full --supersample 3 and the adaptive frame of one
// exponent (argument: e * 1000), on one thread, in processor time, each
// iteration in another order. The adaptive frame should cost at most 2x the
// default one.
void Adaptive(benchmark::State& state)
{
    std::array<Render::FrameRequest, 3> requests; // default, full, adaptive
    requests[0].e = state.range(0) / 1000.0;
    requests[0].pixels = Bench::Pixels;
    requests[0].threads = 1;
    requests[1] = requests[0];
    requests[1].supersample = 3;
    requests[2] = requests[1];
    requests[2].adaptive = true;
    std::array<double, 3> seconds{};
    int turn = 0;
    for (auto _ : state) {
        double adaptiveSeconds = 0;
        for (int k = 0; k < 3; ++k) {
            const int which = (turn + k) % 3;
            const double taken = RenderSeconds(requests[which]);
            seconds[which] += taken;
            adaptiveSeconds = which == 2 ? taken : adaptiveSeconds;
        }
        turn = (turn + 1) % 3;
        state.SetIterationTime(adaptiveSeconds);
    }
    state.counters["full x default"] = seconds[1] / seconds[0];
    state.counters["adaptive x default"] = seconds[2] / seconds[0];
    state.counters["flagged %"] = 100 * FlaggedShare(requests[0]);
}
BENCHMARK(Adaptive)
    ->Arg(1500)
    ->Arg(2500)
    ->Arg(3300)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(6);

// The adaptive frame at e = 2.5 on two threads against one, in wall-clock
// time, each first every other time: the flagged pixels gather along the
// set's edge, and the work should still spread (at least 1.8x on a quiet
// machine with two free cores).
void AdaptiveThreads(benchmark::State& state)
{
    Render::FrameRequest request;
    request.e = 2.5;
    request.pixels = Bench::Pixels;
    request.supersample = 3;
    request.adaptive = true;
    const auto wallSeconds = [&request](int threads) {
        request.threads = threads;
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(Render::RenderFrameColors(request));
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    double one = 0;
    double two = 0;
    bool oneFirst = true;
    for (auto _ : state) {
        if (oneFirst) {
            one += wallSeconds(1);
        }
        const double seconds = wallSeconds(2);
        if (!oneFirst) {
            one += wallSeconds(1);
        }
        oneFirst = !oneFirst;
        two += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["x one thread"] = one / two;
}
BENCHMARK(AdaptiveThreads)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(4);

} // namespace
