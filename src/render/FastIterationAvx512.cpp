#include "FastIteration.h"

#include <immintrin.h>
#include <sleef.h>

namespace Render {

namespace {

struct Avx512
{
    static constexpr int Width = 8;
    typedef double Vec __attribute__((vector_size(64)));

    static Vec Pow(Vec x, Vec y)
    {
        return Vec(Sleef_finz_powd8_u10avx512f(__m512d(x), __m512d(y)));
    }
    static void SinCos(Vec x, Vec& sine, Vec& cosine)
    {
        const Sleef___m512d_2 both = Sleef_finz_sincosd8_u10avx512f(__m512d(x));
        sine = Vec(both.x);
        cosine = Vec(both.y);
    }
    static Vec Atan(Vec x) { return Vec(Sleef_finz_atand8_u10avx512f(__m512d(x))); }
    static Vec Log(Vec x) { return Vec(Sleef_finz_logd8_u10avx512f(__m512d(x))); }
    // The masked form, because the plain one trips a false "uninitialized"
    // warning in GCC 12's header; all lanes are computed either way.
    static Vec Sqrt(Vec x) { return Vec(_mm512_maskz_sqrt_pd(0xFF, __m512d(x))); }
    template<class Mask>
    static unsigned Bits(Mask mask)
    {
        return _mm512_movepi64_mask(__m512i(mask));
    }
};

} // namespace

void IterateColumnsAvx512(const ColumnJob& job)
{
    // Two vectors in flight hide most of the latency of each step's chain.
    IterateColumnsInLanes<Avx512, 2>(job);
}

void LogsAvx512(double* values, std::size_t count)
{
    LogsInLanes<Avx512>(values, count);
}

} // namespace Render
