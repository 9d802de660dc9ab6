#pragma once

#include <benchmark/benchmark.h>

// Frames of the renderer benchmarks: Pixels 512, exponents named by e * 1000.
namespace Bench {

inline constexpr int Pixels = 512;

inline void ForEachExponent(benchmark::internal::Benchmark* benchmark)
{
    for (int e : {1500, 2000, 2500, 3000}) {
        benchmark->Arg(e);
    }
}

} // namespace Bench
