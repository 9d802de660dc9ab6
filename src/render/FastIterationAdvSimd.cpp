#include "FastIteration.h"

#include <arm_neon.h>
#include <sleef.h>

namespace Render {

namespace {

// AArch64's Advanced SIMD: two lanes, fused multiply-add always present.
struct AdvSimd
{
    static constexpr int Width = 2;
    typedef double Vec __attribute__((vector_size(16)));

    static Vec Pow(Vec x, Vec y)
    {
        return Vec(Sleef_finz_powd2_u10advsimd(float64x2_t(x), float64x2_t(y)));
    }
    static void SinCos(Vec x, Vec& sine, Vec& cosine)
    {
        const Sleef_float64x2_t_2 both = Sleef_finz_sincosd2_u10advsimd(float64x2_t(x));
        sine = Vec(both.x);
        cosine = Vec(both.y);
    }
    static Vec Atan(Vec x) { return Vec(Sleef_finz_atand2_u10advsimd(float64x2_t(x))); }
    static Vec Log(Vec x) { return Vec(Sleef_finz_logd2_u10advsimd(float64x2_t(x))); }
    static Vec Sqrt(Vec x) { return Vec(vsqrtq_f64(float64x2_t(x))); }
    template<class Mask>
    static unsigned Bits(Mask mask)
    {
        return (mask[0] != 0 ? 1u : 0u) | (mask[1] != 0 ? 2u : 0u);
    }
};

} // namespace

void IterateColumnsAdvSimd(const ColumnJob& job)
{
    // Four vectors in flight: each step is a long chain of dependent calls,
    // and the 32 vector registers hold them.
    IterateColumnsInLanes<AdvSimd, 4>(job);
}

void LogsAdvSimd(double* values, std::size_t count)
{
    LogsInLanes<AdvSimd>(values, count);
}

} // namespace Render
