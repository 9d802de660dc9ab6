#include "ReferencePixel.h"

#include "ColumnJob.h"

#include <cstdint>
#include <utility>

namespace Render {

int IterateReference(double e, double bailout, double rho, double theta)
{
    bool claimed = false;
    std::uint8_t count = 0;
    ColumnJob job;
    job.e = e;
    job.bailout = bailout;
    job.pixels = 1;
    job.rho = &rho;
    job.theta = &theta;
    job.counts = &count;
    job.claimColumn = [](void* context) {
        return std::exchange(*static_cast<bool*>(context), true) ? -1 : 0;
    };
    job.finishColumn = [](void*, int) {};
    job.context = &claimed;
    IterateColumnsReference(job);
    return count;
}

} // namespace Render
