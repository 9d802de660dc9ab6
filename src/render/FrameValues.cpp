#include "render/FrameValues.h"
#include "AssignFinite.h"

#include <cmath>

namespace Render {

FrameValues ComputeFrameValues(double e)
{
    const double twoPi = 2 * Pi;
    FrameValues values;
    AssignFinite(values.thetaMax, twoPi / (e - 1));
    if (twoPi < values.thetaMax) {
        values.thetaMax = twoPi;
    }
    AssignFinite(values.rhoMin, (e - 1) * std::pow(e, e / (1 - e)));
    AssignFinite(values.rhoMax, std::pow(2.0, 1 / (e - 1)));
    AssignFinite(values.bailout, std::pow(values.rhoMax, e));
    return values;
}

} // namespace Render
