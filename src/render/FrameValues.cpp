#include "render/FrameValues.h"
#include "AssignFinite.h"

#include <cmath>

namespace Film {

FrameValues ComputeFrameValues(double e)
{
    const double twoPi = 2 * Pi;
    FrameValues values;
    AssignFinite(values.dblThetaMax, twoPi / (e - 1));
    if (twoPi < values.dblThetaMax) {
        values.dblThetaMax = twoPi;
    }
    AssignFinite(values.dblRhoMin, (e - 1) * std::pow(e, e / (1 - e)));
    AssignFinite(values.dblRhoMax, std::pow(2.0, 1 / (e - 1)));
    AssignFinite(values.dblBailout, std::pow(values.dblRhoMax, e));
    return values;
}

} // namespace Film
