#include "ContinuousEscape.h"

namespace Render {

ContinuousEscape::ContinuousEscape(double e, double bailout, Logarithms logs) : m_logs(logs)
{
    double values[2] = {bailout, e};
    logs(values, 2);
    m_logBailout = values[0];
    m_logE = values[1];
}

void ContinuousEscape::overshoots(double* moduli, std::size_t count) const
{
    m_logs(moduli, count);
    for (std::size_t k = 0; k < count; ++k) {
        moduli[k] = moduli[k] / m_logBailout;
    }
    m_logs(moduli, count);
    for (std::size_t k = 0; k < count; ++k) {
        double overshoot = moduli[k] / m_logE;
        // Undefined (a point that never left the unit circle, a frame whose
        // escape modulus is 0 or 1) counts as none; c added in the last step
        // may push it a little past a whole step.
        if (!(overshoot >= 0)) {
            overshoot = 0;
        }
        moduli[k] = overshoot > 1 ? 1 : overshoot;
    }
}

} // namespace Render
