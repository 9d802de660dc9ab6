#include "BenchFrames.h"

#include "PolarMapping.h"
#include "ReferencePixel.h"
#include "render/EscapeColor.h"
#include "render/FrameRenderer.h"
#include "render/FrameValues.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace {

// The way a naive program draws: one thread computes each pixel with the
// reference and sets it by its own drawPoint with a pen in its colour.
void DrawPointBaseline(benchmark::State& state)
{
    const double e = state.range(0) / 1000.0;
    QImage image(Bench::Pixels, Bench::Pixels, QImage::Format_RGB32);
    for (auto _ : state) {
        const Render::FrameValues values = Render::ComputeFrameValues(e);
        const Render::PolarMapping mapping =
            Render::MapPixels(values, Bench::Pixels, Render::SinCosLibrary);
        QPainter painter(&image);
        int firstCount = -1;
        for (int x = 0; x < Bench::Pixels; ++x) {
            for (int row = 0; row < Bench::Pixels; ++row) {
                const int count =
                    Render::IterateReference(e, values.bailout, mapping.rho[row], mapping.theta[x]);
                if (firstCount < 0) {
                    firstCount = count;
                }
                const std::int32_t color = Render::EscapeColor(e, count, firstCount, 0);
                painter.setPen(
                    QPen(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF)));
                painter.drawPoint(x, row);
            }
        }
    }
    benchmark::DoNotOptimize(image.constBits());
    state.SetItemsProcessed(state.iterations() * Bench::Pixels * Bench::Pixels);
}
BENCHMARK(DrawPointBaseline)->Apply(Bench::ForEachExponent)->Unit(benchmark::kMillisecond);

} // namespace
