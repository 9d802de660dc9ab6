#include "FastIteration.h"

#include <immintrin.h>
#include <sleef.h>

namespace Render {

namespace {

struct Avx2
{
    static constexpr int Width = 4;
    typedef double Vec __attribute__((vector_size(32)));

    static Vec Pow(Vec x, Vec y) { return Vec(Sleef_finz_powd4_u10avx2(__m256d(x), __m256d(y))); }
    static void SinCos(Vec x, Vec& sine, Vec& cosine)
    {
        const Sleef___m256d_2 both = Sleef_finz_sincosd4_u10avx2(__m256d(x));
        sine = Vec(both.x);
        cosine = Vec(both.y);
    }
    static Vec Atan(Vec x) { return Vec(Sleef_finz_atand4_u10avx2(__m256d(x))); }
    static Vec Log(Vec x) { return Vec(Sleef_finz_logd4_u10avx2(__m256d(x))); }
    static Vec Sqrt(Vec x) { return Vec(_mm256_sqrt_pd(__m256d(x))); }
    template<class Mask>
    static unsigned Bits(Mask mask)
    {
        return unsigned(_mm256_movemask_pd(__m256d(mask)));
    }
};

} // namespace

void IterateColumnsAvx2(const ColumnJob& job)
{
    // Two vectors in flight hide most of the latency of each step's chain.
    IterateColumnsInLanes<Avx2, 2>(job);
}

void LogsAvx2(double* values, std::size_t count)
{
    LogsInLanes<Avx2>(values, count);
}

} // namespace Render
