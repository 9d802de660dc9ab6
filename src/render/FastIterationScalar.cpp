#include "FastIteration.h"

// sleef.h declares its FMA routines only when the target is said to have FMA;
// this file is built with -mfma and used only on such processors.
#ifndef FP_FAST_FMA
#define FP_FAST_FMA
#endif
#include <sleef.h>

namespace Render {

namespace {

// One lane: the same loop as the vector widths, with SLEEF's scalar routines,
// which give the same results bit for bit.
struct Scalar
{
    static constexpr int Width = 1;
    typedef double Vec __attribute__((vector_size(8)));

    static Vec Pow(Vec x, Vec y) { return Vec{Sleef_finz_powd1_u10purecfma(x[0], y[0])}; }
    static void SinCos(Vec x, Vec& sine, Vec& cosine)
    {
        const Sleef_double_2 both = Sleef_finz_sincosd1_u10purecfma(x[0]);
        sine = Vec{both.x};
        cosine = Vec{both.y};
    }
    static Vec Atan(Vec x) { return Vec{Sleef_finz_atand1_u10purecfma(x[0])}; }
    static Vec Log(Vec x) { return Vec{Sleef_finz_logd1_u10purecfma(x[0])}; }
    static Vec Sqrt(Vec x) { return Vec{__builtin_sqrt(x[0])}; }
    template<class Mask>
    static unsigned Bits(Mask mask)
    {
        return mask[0] != 0 ? 1u : 0u;
    }
};

} // namespace

void IterateColumnsScalar(const ColumnJob& job)
{
    // Four single lanes in flight hide most of the latency of each step's chain.
    IterateColumnsInLanes<Scalar, 4>(job);
}

void SinCosSleef(double angle, double& sine, double& cosine)
{
    const Sleef_double_2 both = Sleef_finz_sincosd1_u10purecfma(angle);
    sine = both.x;
    cosine = both.y;
}

void LogsScalar(double* values, std::size_t count)
{
    LogsInLanes<Scalar>(values, count);
}

} // namespace Render
