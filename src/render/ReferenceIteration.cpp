#include "AssignFinite.h"
#include "ColumnJob.h"
#include "render/EscapeCount.h"
#include "render/FrameRenderer.h"
#include "render/FrameValues.h"

#include <cmath>

namespace Render {

int IterateReference(double e, double bailout, double rho, double theta)
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
            return i;
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
            return NotEscaped;
        }
    }
}

void IterateColumnsReference(const ColumnJob& job)
{
    for (int x = job.claimColumn(job.context); x >= 0; x = job.claimColumn(job.context)) {
        std::uint8_t* counts = job.counts + std::ptrdiff_t(x) * job.pixels;
        for (int row = 0; row < job.pixels; ++row) {
            counts[row] =
                std::uint8_t(IterateReference(job.e, job.bailout, job.rho[row], job.theta[x]));
        }
        job.finishColumn(job.context, x);
    }
}

void SinCosLibrary(double angle, double& sine, double& cosine)
{
    sine = std::sin(angle);
    cosine = std::cos(angle);
}

} // namespace Render
