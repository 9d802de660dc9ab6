#include "AssignFinite.h"
#include "ColumnJob.h"
#include "render/EscapeCount.h"
#include "render/FrameRenderer.h"
#include "render/FrameValues.h"

#include <cmath>

namespace Render {

namespace {

struct Stop
{
    int count = 0;
    double modulus = 0;
};

Stop IterateToStop(double e, double bailout, double rho, double theta)
{
    double cx = 0;
    double cy = 0;
    AssignFinite(cx, rho * std::cos(theta));
    AssignFinite(cy, rho * std::sin(theta));

    double r = rho;
    double a = theta;
    double zx = 0;
    double zy = 0;
    for (int i = 0;;) {
        if (r > bailout) {
            return {i, r};
        }
        AssignFinite(r, std::pow(r, e));
        AssignFinite(a, a * e);
        AssignFinite(zx, r * std::cos(a) + cx);
        AssignFinite(zy, r * std::sin(a) + cy);
        AssignFinite(r, std::sqrt(zx * zx + zy * zy));
        if (zx == 0) {
            a = zy >= 0 ? Pi / 2 : -Pi / 2;
        } else {
            const double slope = zy / zx;
            if (std::isfinite(slope)) {
                a = std::atan(slope);
            }
            if (zx < 0) {
                a = a + Pi;
            }
        }
        ++i;
        if (i > MaxEscapeCount) {
            return {NotEscaped, r};
        }
    }
}

} // namespace

void IterateColumnsReference(const ColumnJob& job)
{
    for (int x = job.claimColumn(job.context); x >= 0; x = job.claimColumn(job.context)) {
        const ColumnSamples samples =
            job.samplesOf != nullptr
                ? job.samplesOf(job.context, x)
                : ColumnSamples{job.counts + std::ptrdiff_t(x) * job.pixels * job.subColumns};
        const auto take = [&](std::ptrdiff_t sample, int row, std::ptrdiff_t column) {
            const Stop stop = IterateToStop(job.e, job.bailout, job.rho[row], job.theta[column]);
            samples.counts[sample] = std::uint8_t(stop.count);
            if (samples.moduli != nullptr) {
                samples.moduli[sample] = stop.modulus;
            }
        };
        if (samples.rows != nullptr) {
            for (int i = 0; i < samples.count; ++i) {
                take(i, samples.rows[i], samples.columns[i]);
            }
        } else {
            std::ptrdiff_t sample = 0;
            for (int sub = 0; sub < job.subColumns; ++sub) {
                for (int row = 0; row < job.pixels; ++row, ++sample) {
                    take(sample, row, std::ptrdiff_t(x) * job.subColumns + sub);
                }
            }
        }
        job.finishColumn(job.context, x);
    }
}

void SinCosLibrary(double angle, double& sine, double& cosine)
{
    sine = std::sin(angle);
    cosine = std::cos(angle);
}

void LogsLibrary(double* values, std::size_t count)
{
    for (std::size_t k = 0; k < count; ++k) {
        values[k] = std::log(values[k]);
    }
}

} // namespace Render
