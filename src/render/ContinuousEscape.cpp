#include "ContinuousEscape.h"

namespace Film {

ContinuousEscape::ContinuousEscape(double e, double bailout, Logarithm log)
    : m_logBailout(log(bailout)), m_logE(log(e)), m_log(log)
{
}

double ContinuousEscape::operator()(int count, double modulus) const
{
    double overshoot = m_log(m_log(modulus) / m_logBailout) / m_logE;
    // Undefined (a frame whose escape modulus is 0 or 1) counts as none;
    // c added in the last step may push it a little past a whole step.
    if (!(overshoot >= 0)) {
        overshoot = 0;
    }
    if (overshoot > 1) {
        overshoot = 1;
    }
    return count + 1 - overshoot;
}

} // namespace Film
