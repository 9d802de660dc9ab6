#pragma once

// Included only by the per-width files, each compiled for its own processor.
// Everything here has internal linkage, so that no code built for one width
// can be picked by the linker for another.

#include "ColumnJob.h"
#include "render/EscapeCount.h"
#include "render/FrameValues.h"

#include <cstddef>
#include <cstdint>

namespace Film {
namespace {

template<class Vec>
Vec Splat(double value)
{
    Vec vector;
    for (int k = 0; k < int(sizeof(Vec) / sizeof(double)); ++k) {
        vector[k] = value;
    }
    return vector;
}

// Lanes whose value is neither infinite nor NaN.
template<class Vec>
auto IsFinite(Vec value)
{
    return (value - value) == Vec{};
}

// Iterates the pixels of the claimed columns in Groups vectors of
// Traits::Width lanes. A lane takes the next pixel as soon as its own pixel
// stops, so that lanes idle only at the very end. Each step is one long chain
// of dependent library calls; with several independent vectors in flight the
// processor overlaps their chains. Traits supplies the vector type and the
// library calls; the arithmetic between the calls keeps the order of the
// scalar reference, and a step whose result is not finite leaves its target
// as it was.
template<class Traits, int Groups>
void IterateColumnsInLanes(const ColumnJob& job)
{
    using Vec = typename Traits::Vec;
    constexpr int Width = Traits::Width;
    constexpr int Lanes = Width * Groups;
    static_assert(Lanes <= 32);
    constexpr unsigned AllLanes = Lanes == 32 ? ~0u : (1u << Lanes) - 1;

    const Vec e = Splat<Vec>(job.e);
    const Vec bailout = Splat<Vec>(job.bailout);
    const Vec maxEscapeCount = Splat<Vec>(MaxEscapeCount);
    const Vec one = Splat<Vec>(1);
    const Vec pi = Splat<Vec>(Pi);
    const Vec halfPi = Splat<Vec>(Pi / 2);
    const Vec minusHalfPi = Splat<Vec>(-Pi / 2);
    const Vec zero{};

    Vec r[Groups] = {}, a[Groups] = {}, zx[Groups] = {}, zy[Groups] = {};
    Vec cx[Groups] = {}, cy[Groups] = {}, count[Groups] = {};
    std::ptrdiff_t lanePixel[Lanes] = {};
    unsigned active = 0;

    // Columns in flight, counted here rather than in memory shared with the
    // other workers. At most one per busy lane plus the one being loaded.
    constexpr int Slots = Lanes + 1;
    int slotColumn[Slots] = {};
    int slotRemaining[Slots] = {};
    int laneSlot[Lanes] = {};
    int slot = 0;

    const int pixels = job.pixels;
    int column = -1;
    int row = pixels;
    bool exhausted = false;

    // Stores the count of lane k's pixel if it has one, then gives the lane
    // the next pixel if there is one.
    auto refillLane = [&](int k) {
        const unsigned lane = 1u << k;
        const int g = k / Width;
        const int j = k % Width;
        if (active & lane) {
            job.counts[lanePixel[k]] = std::uint8_t(count[g][j]);
            if (--slotRemaining[laneSlot[k]] == 0) {
                job.finishColumn(job.context, slotColumn[laneSlot[k]]);
            }
            active &= ~lane;
        }
        if (row == pixels && !exhausted) {
            column = job.claimColumn(job.context);
            exhausted = column < 0;
            row = 0;
            if (!exhausted) {
                slot = 0;
                while (slotRemaining[slot] != 0) {
                    ++slot;
                }
                slotColumn[slot] = column;
                slotRemaining[slot] = pixels;
            }
        }
        if (exhausted) {
            return;
        }
        const double rho = job.rho[row];
        r[g][j] = rho;
        a[g][j] = job.theta[column];
        cx[g][j] = rho * job.cosTheta[column];
        cy[g][j] = rho * job.sinTheta[column];
        zx[g][j] = 0;
        zy[g][j] = 0;
        count[g][j] = 0;
        lanePixel[k] = std::ptrdiff_t(column) * pixels + row;
        laneSlot[k] = slot;
        active |= lane;
        ++row;
    };

    // One step of every lane, each library call made for all groups in turn.
    auto step = [&] {
        Vec t[Groups];
        for (int g = 0; g < Groups; ++g) {
            t[g] = Traits::Pow(r[g], e);
        }
        for (int g = 0; g < Groups; ++g) {
            r[g] = IsFinite(t[g]) ? t[g] : r[g];
            t[g] = a[g] * e;
            a[g] = IsFinite(t[g]) ? t[g] : a[g];
        }
        Vec sine[Groups], cosine[Groups];
        for (int g = 0; g < Groups; ++g) {
            Traits::SinCos(a[g], sine[g], cosine[g]);
        }
        Vec slope[Groups];
        for (int g = 0; g < Groups; ++g) {
            t[g] = r[g] * cosine[g] + cx[g];
            zx[g] = IsFinite(t[g]) ? t[g] : zx[g];
            t[g] = r[g] * sine[g] + cy[g];
            zy[g] = IsFinite(t[g]) ? t[g] : zy[g];
            t[g] = Traits::Sqrt(zx[g] * zx[g] + zy[g] * zy[g]);
            r[g] = IsFinite(t[g]) ? t[g] : r[g];
            slope[g] = zy[g] / zx[g];
        }
        Vec turned[Groups];
        for (int g = 0; g < Groups; ++g) {
            turned[g] = Traits::Atan(slope[g]);
        }
        for (int g = 0; g < Groups; ++g) {
            // Argument in (-pi/2, 3pi/2]; an infinite slope skips the arc
            // tangent but not the half turn.
            turned[g] = IsFinite(slope[g]) ? turned[g] : a[g];
            turned[g] = zx[g] < zero ? turned[g] + pi : turned[g];
            a[g] = zx[g] == zero ? (zy[g] >= zero ? halfPi : minusHalfPi) : turned[g];
            count[g] = count[g] + one;
        }
    };

    for (;;) {
        unsigned stopped = 0;
        for (int g = 0; g < Groups; ++g) {
            stopped |= Traits::Bits((r[g] > bailout) | (count[g] > maxEscapeCount)) << (g * Width);
        }
        stopped &= active;
        unsigned freeLanes = exhausted ? stopped : stopped | (AllLanes & ~active);
        if (freeLanes != 0) {
            for (; freeLanes != 0; freeLanes &= freeLanes - 1) {
                refillLane(__builtin_ctz(freeLanes));
            }
            // Freshly loaded pixels are tested before their first step too.
            continue;
        }
        if (active == 0) {
            return;
        }
        step();
    }
}

} // namespace
} // namespace Film
