#include "cli/FilmRender.h"

#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <thread>

namespace {

// The command line's whole render of a film, saving included, into a fresh
// folder per run. Arguments: frames, worker threads (0: one per core).
void CliRender(benchmark::State& state)
{
    const int frames = int(state.range(0));
    Cli::RenderOptions options;
    options.eMin = 2;
    options.eMax = 3;
    options.steps = frames - 1;
    options.pixels = 512;
    options.lastFrame = options.steps;
    options.threads = int(state.range(1));
    const auto observer = Cli::MakeQuietProgress();
    const std::atomic<int> stop{0};
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir parent;
        options.parent = parent.path();
        state.ResumeTiming();
        if (Cli::RenderFilm(options, *observer, stop) != 0)
            state.SkipWithError("the render failed");
    }
    state.counters["frames/s"] = benchmark::Counter(double(frames) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
}

// A 100-frame 512 x 512 film takes seconds, so one run of each is enough;
// the 10-frame film is the quick look.
BENCHMARK(CliRender)
    ->ArgNames({"frames", "threads"})
    ->Apply([](benchmark::internal::Benchmark* benchmark) {
        for (int frames : {10, 100}) {
            benchmark->Args({frames, 1});
            if (std::thread::hardware_concurrency() > 1)
                benchmark->Args({frames, 0});
        }
    })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
