#include "QuietProgress.h"
#include "WholeFrame.h"
#include "cli/FilmRender.h"
#include "render/FrameRenderer.h"

#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

Cli::RenderOptions Film(int frames, int threads)
{
    Cli::RenderOptions options;
    options.film.eMin = 2;
    options.film.eMax = 3;
    options.film.steps = frames - 1;
    options.film.pixels = 512;
    options.lastFrame = options.film.steps;
    options.threads = threads;
    return options;
}

// The film's frames rendered one after the other, nothing written: what the
// film would take if no core ever waited between frames.
double FramesSeconds(const Cli::RenderOptions& options, Render::MathPath path, int threads)
{
    double seconds = 0;
    for (std::int64_t k = options.firstFrame; k <= options.lastFrame; ++k) {
        Render::FrameRequest request = options.film.frameRequest(k);
        request.threads = threads;
        request.path = path;
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(Render::RenderFrameColors(request));
        seconds += SecondsSince(start);
    }
    return seconds;
}

// The command line's whole render of a film, saving included, into a fresh
// folder per run, against the same frames rendered alone. Arguments: frames,
// worker threads (0: one per core), and 1 for PNG frames, which the writer
// thread compresses while the next frame renders.
void CliRender(benchmark::State& state)
{
    const int frames = int(state.range(0));
    Cli::RenderOptions film = Film(frames, int(state.range(1)));
    if (state.range(2) == 1)
        film.film.format = Platform::PictureFormat::Png;
    Cli::QuietProgress observer;
    const std::atomic<int> stop{0};
    double filmSeconds = 0;
    double framesSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Measured next to the film, so that both see the machine alike.
        framesSeconds += FramesSeconds(film, Render::MathPath::Fast, film.threads);
        QTemporaryDir parent;
        Cli::RenderOptions options = film;
        options.parent = parent.path();
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        if (Cli::RenderFilm(options, observer, stop) != 0)
            state.SkipWithError("the render failed");
        filmSeconds += SecondsSince(start);
    }
    state.counters["frames/s"] = benchmark::Counter(double(frames) * double(state.iterations()),
                                                    benchmark::Counter::kIsRate);
    // 1 when the film is as fast as its frames.
    state.counters["throughput"] = framesSeconds / filmSeconds;
}

// A 100-frame 512 x 512 film takes seconds, so one run of each is enough;
// the 10-frame film is the quick look.
BENCHMARK(CliRender)
    ->ArgNames({"frames", "threads", "png"})
    ->Apply([](benchmark::internal::Benchmark* benchmark) {
        for (int frames : {10, 100}) {
            for (int png : {0, 1}) {
                benchmark->Args({frames, 1, png});
                if (std::thread::hardware_concurrency() > 1)
                    benchmark->Args({frames, 0, png});
            }
        }
    })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The program itself, start-up and writing included, rendering a short film
// on every core, against the same frames on one thread with the C library's
// functions.
void CliProcess(benchmark::State& state)
{
    const Cli::RenderOptions film = Film(6, 0);
    double processSeconds = 0;
    double referenceSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        referenceSeconds += FramesSeconds(film, Render::MathPath::Reference, 1);
        state.ResumeTiming();
        QTemporaryDir parent;
        QProcess process;
        process.setWorkingDirectory(parent.path());
        const Clock::time_point start = Clock::now();
        process.start(POWERREELS_CLI,
                      {"render", "--emin", "2", "--emax", "3", "--steps", "5", "--pixels", "512"});
        if (!process.waitForFinished(600000) || process.exitCode() != 0)
            state.SkipWithError("the render failed");
        processSeconds += SecondsSince(start);
    }
    state.counters["x reference"] = referenceSeconds / processSeconds;
}

BENCHMARK(CliProcess)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
