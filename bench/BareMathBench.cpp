#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// Arguments as the iteration meets them: a modulus below the escape modulus,
// an exponent of the films, an angle times the exponent, any slope and a sum
// of squares.
struct Arguments
{
    std::vector<double> modulus, exponent, angle, slope, square;
};

Arguments MakeArguments(int count)
{
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> modulus(0.01, 4), exponent(1.5, 3), angle(-2.4, 14.2),
        slope(-20, 20), square(0, 64);
    Arguments arguments;
    for (int k = 0; k < count; ++k) {
        arguments.modulus.push_back(modulus(random));
        arguments.exponent.push_back(exponent(random));
        arguments.angle.push_back(angle(random));
        arguments.slope.push_back(slope(random));
        arguments.square.push_back(square(random));
    }
    return arguments;
}

// One step's worth of the C library: pow, sincos, atan and sqrt.
void BareMath(benchmark::State& state)
{
    constexpr int Count = 4096;
    const Arguments arguments = MakeArguments(Count);
    double sum = 0;
    for (auto _ : state) {
        for (int k = 0; k < Count; ++k) {
            double sine = 0;
            double cosine = 0;
            sincos(arguments.angle[k], &sine, &cosine);
            sum += std::pow(arguments.modulus[k], arguments.exponent[k]) + sine + cosine +
                   std::atan(arguments.slope[k]) + std::sqrt(arguments.square[k]);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BareMath);

} // namespace
