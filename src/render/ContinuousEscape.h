#pragma once

#include "ColumnJob.h"

#include <cstddef>

namespace Render {

// The continuous escape value of a point that stopped at count n with
// modulus r, for z -> z^e + c in polar steps and this frame's escape
// modulus B:
//
//     n + 1 - f,   f = log_e(ln r / ln B), held to [0, 1].
//
// Each step raises the modulus to the power e before c is added, so far out
// ln r grows by the factor e per step and f is the fraction of a step by
// which the orbit overshot B. A point escaping just above B gets n + 1, as
// does its neighbour escaping one step later at about B^e: no steps
// between counts. The logarithms are the path's own, a column at a time, so
// that every processor gives the same bits.
class ContinuousEscape
{
public:
    ContinuousEscape(double e, double bailout, Logarithms logs);

    // Turns count moduli into their overshoots f, in place.
    void overshoots(double* moduli, std::size_t count) const;

    static double Value(int count, double overshoot) { return count + 1 - overshoot; }

private:
    double m_logBailout = 0;
    double m_logE = 0;
    Logarithms m_logs;
};

} // namespace Render
