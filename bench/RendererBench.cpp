#include "BenchFrames.h"

#include "WholeFrame.h"
#include "render/FrameRenderer.h"

#include <algorithm>
#include <thread>

namespace {

void RenderFrames(benchmark::State& state, Render::MathPath path, int threads)
{
    Render::FrameRequest request;
    request.e = state.range(0) / 1000.0;
    request.pixels = Bench::Pixels;
    request.path = path;
    request.threads = threads;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Render::RenderFrameColors(request));
    }
    state.SetItemsProcessed(state.iterations() * Bench::Pixels * Bench::Pixels);
}

// The reference, one worker; timed by the clock since the work runs off the
// benchmark's thread.
void Reference(benchmark::State& state)
{
    RenderFrames(state, Render::MathPath::Reference, 1);
}
BENCHMARK(Reference)->Apply(Bench::ForEachExponent)->Unit(benchmark::kMillisecond)->UseRealTime();

void Fast(benchmark::State& state)
{
    RenderFrames(state, Render::MathPath::Fast, int(state.range(1)));
}
BENCHMARK(Fast)
    ->Apply([](benchmark::internal::Benchmark* benchmark) {
        const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
        for (int e : {1500, 2000, 2500, 3000}) {
            benchmark->Args({e, 1});
            if (cores > 1) {
                benchmark->Args({e, cores});
            }
        }
    })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
