#include "BenchApplication.h"
#include "BenchFrames.h"
#include "platform/QtDesktop.h"
#include "window/frmPowerReels.h"

#include <QApplication>

namespace {

// The whole path of a frame in the program: the fast path on every core, the
// columns put into the window's image in order, events processed after each.
void WindowFrame(benchmark::State& state)
{
    Bench::Application();
    Platform::QtDesktop desktop;
    frmPowerReels form(desktop);
    form.Show();
    form.Pixels = Bench::Pixels;
    form.FitWindowToPicture();
    Render::FrameRequest request;
    request.e = state.range(0) / 1000.0;
    request.pixels = Bench::Pixels;
    for (auto _ : state)
        form.RenderFrame(request);
    state.SetItemsProcessed(state.iterations() * Bench::Pixels * Bench::Pixels);
}

} // namespace

BENCHMARK(WindowFrame)->Apply(Bench::ForEachExponent)->Unit(benchmark::kMillisecond)->UseRealTime();
