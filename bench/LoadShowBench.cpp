#include "BenchApplication.h"
#include "platform/Events.h"
#include "platform/Pictures.h"
#include "platform/QtDesktop.h"
#include "window/frmPowerReels.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// One slide-show frame from disk to the screen at the largest size a
// 1080-row screen allows: it must stay well inside the preset 42 ms.
void LoadAndShowFrame(benchmark::State& state)
{
    constexpr int Pixels = 1055;
    Bench::Application();
    QTemporaryDir folder;
    const QString file = folder.filePath("PowerReels-002.000.bmp");
    QImage frame(Pixels, Pixels, QImage::Format_RGB32);
    for (int y = 0; y < Pixels; ++y)
        for (int x = 0; x < Pixels; ++x)
            frame.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    Platform::SavePicture(frame, file);

    Platform::QtDesktop desktop;
    frmPowerReels form(desktop);
    form.Show();
    form.Pixels = Pixels;
    form.FitWindowToPicture();
    for (auto _ : state) {
        form.setPicture(Platform::LoadPicture(file));
        form.repaint();
        Platform::DoEvents();
    }
}

} // namespace

BENCHMARK(LoadAndShowFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
