#pragma once

// Included only by the per-width files, each compiled for its own processor.
// Everything here has internal linkage, so that no code built for one width
// can be picked by the linker for another.

#include "ColumnJob.h"
#include "render/EscapeCount.h"
#include "render/FrameValues.h"

#include <cstddef>
#include <cstdint>

namespace Render {
namespace {

inline ColumnSamples SamplesOf(const ColumnJob& job, int x)
{
    if (job.samplesOf != nullptr) {
        return job.samplesOf(job.context, x);
    }
    return {job.counts + std::ptrdiff_t(x) * job.pixels * job.subColumns, nullptr};
}

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

// Iterates the samples of the claimed columns in Groups vectors of
// Traits::Width lanes. A lane takes the next sample as soon as its own
// sample stops, so that lanes idle only at the very end. Each step is one long chain
// of dependent library calls; with several independent vectors in flight the
// processor overlaps their chains. Traits supplies the vector type and the
// library calls; the arithmetic between the calls keeps the order of the
// scalar reference, and a step whose result is not finite leaves its target
// as it was.
template<class Traits, int Groups>
class LaneIteration
{
    using Vec = typename Traits::Vec;
    static constexpr int Width = Traits::Width;
    static constexpr int Lanes = Width * Groups;
    static_assert(Lanes <= 32);
    static constexpr unsigned AllLanes = Lanes == 32 ? ~0u : (1u << Lanes) - 1;
    // Columns in flight, counted here rather than in memory shared with the
    // other workers. At most one per busy lane plus the one being loaded.
    static constexpr int Slots = Lanes + 1;

public:
    explicit LaneIteration(const ColumnJob& job)
        : m_job(job), m_gridSamples(job.pixels * job.subColumns)
    {
    }

    void run()
    {
        for (;;) {
            const unsigned stopped = stoppedLanes();
            unsigned freeLanes = m_exhausted ? stopped : stopped | (AllLanes & ~m_active);
            if (freeLanes != 0) {
                for (; freeLanes != 0; freeLanes &= freeLanes - 1) {
                    refillLane(__builtin_ctz(freeLanes));
                }
                // Freshly loaded samples are tested before their first step too.
                continue;
            }
            if (m_active == 0) {
                return;
            }
            step();
        }
    }

private:
    // The busy lanes whose sample escaped or reached the last step.
    unsigned stoppedLanes() const
    {
        unsigned stopped = 0;
        for (int g = 0; g < Groups; ++g) {
            stopped |= Traits::Bits((m_r[g] > m_bailout) | (m_count[g] > m_maxEscapeCount))
                       << (g * Width);
        }
        return stopped & m_active;
    }

    // Stores the count (and modulus) of lane k's sample if it has one, then
    // gives the lane the next sample if there is one.
    void refillLane(int k)
    {
        const unsigned lane = 1u << k;
        const int g = k / Width;
        const int j = k % Width;
        if (m_active & lane) {
            const int slot = m_laneSlot[k];
            const ColumnSamples& samples = m_slotSamples[slot];
            samples.counts[m_laneSample[k]] = std::uint8_t(m_count[g][j]);
            if (samples.moduli != nullptr) {
                samples.moduli[m_laneSample[k]] = m_r[g][j];
            }
            if (--m_slotRemaining[slot] == 0) {
                m_job.finishColumn(m_job.context, m_slotColumn[slot]);
            }
            m_active &= ~lane;
        }
        if (m_sample == m_columnEnd && !m_exhausted) {
            claimColumn();
        }
        if (m_exhausted) {
            return;
        }
        const ColumnSamples& points = m_slotSamples[m_slot];
        const bool listed = points.rows != nullptr;
        const double rho = m_job.rho[listed ? points.rows[m_sample] : m_row];
        const std::ptrdiff_t sampleColumn =
            listed ? points.columns[m_sample] : std::ptrdiff_t(m_column) * m_job.subColumns + m_sub;
        m_r[g][j] = rho;
        m_a[g][j] = m_job.theta[sampleColumn];
        m_cx[g][j] = rho * m_job.cosTheta[sampleColumn];
        m_cy[g][j] = rho * m_job.sinTheta[sampleColumn];
        m_zx[g][j] = 0;
        m_zy[g][j] = 0;
        m_count[g][j] = 0;
        m_laneSample[k] = m_sample;
        m_laneSlot[k] = m_slot;
        m_active |= lane;
        ++m_sample;
        if (++m_row == m_job.pixels) {
            m_row = 0;
            ++m_sub;
        }
    }

    // Takes the next column with samples from the workers' common supply and
    // a free slot to count its samples in; a column without any is finished
    // at once.
    void claimColumn()
    {
        m_sample = 0;
        m_row = 0;
        m_sub = 0;
        for (;;) {
            m_column = m_job.claimColumn(m_job.context);
            m_exhausted = m_column < 0;
            if (m_exhausted) {
                return;
            }
            m_slot = 0;
            while (m_slotRemaining[m_slot] != 0) {
                ++m_slot;
            }
            const ColumnSamples samples = SamplesOf(m_job, m_column);
            m_columnEnd = samples.rows != nullptr ? samples.count : m_gridSamples;
            if (m_columnEnd > 0) {
                m_slotColumn[m_slot] = m_column;
                m_slotRemaining[m_slot] = m_columnEnd;
                m_slotSamples[m_slot] = samples;
                return;
            }
            m_job.finishColumn(m_job.context, m_column);
        }
    }

    // One step of every lane, each library call made for all groups in turn.
    void step()
    {
        Vec t[Groups];
        for (int g = 0; g < Groups; ++g) {
            t[g] = Traits::Pow(m_r[g], m_e);
        }
        for (int g = 0; g < Groups; ++g) {
            m_r[g] = IsFinite(t[g]) ? t[g] : m_r[g];
            t[g] = m_a[g] * m_e;
            m_a[g] = IsFinite(t[g]) ? t[g] : m_a[g];
        }
        Vec sine[Groups], cosine[Groups];
        for (int g = 0; g < Groups; ++g) {
            Traits::SinCos(m_a[g], sine[g], cosine[g]);
        }
        Vec slope[Groups];
        for (int g = 0; g < Groups; ++g) {
            t[g] = m_r[g] * cosine[g] + m_cx[g];
            m_zx[g] = IsFinite(t[g]) ? t[g] : m_zx[g];
            t[g] = m_r[g] * sine[g] + m_cy[g];
            m_zy[g] = IsFinite(t[g]) ? t[g] : m_zy[g];
            t[g] = Traits::Sqrt(m_zx[g] * m_zx[g] + m_zy[g] * m_zy[g]);
            m_r[g] = IsFinite(t[g]) ? t[g] : m_r[g];
            slope[g] = m_zy[g] / m_zx[g];
        }
        Vec turned[Groups];
        for (int g = 0; g < Groups; ++g) {
            turned[g] = Traits::Atan(slope[g]);
        }
        for (int g = 0; g < Groups; ++g) {
            // Argument in (-pi/2, 3pi/2]; an infinite slope skips the arc
            // tangent but not the half turn.
            turned[g] = IsFinite(slope[g]) ? turned[g] : m_a[g];
            turned[g] = m_zx[g] < m_zero ? turned[g] + m_pi : turned[g];
            m_a[g] = m_zx[g] == m_zero ? (m_zy[g] >= m_zero ? m_halfPi : m_minusHalfPi) : turned[g];
            m_count[g] = m_count[g] + m_one;
        }
    }

    const ColumnJob& m_job;
    const Vec m_e = Splat<Vec>(m_job.e);
    const Vec m_bailout = Splat<Vec>(m_job.bailout);
    const Vec m_maxEscapeCount = Splat<Vec>(MaxEscapeCount);
    const Vec m_one = Splat<Vec>(1);
    const Vec m_pi = Splat<Vec>(Pi);
    const Vec m_halfPi = Splat<Vec>(Pi / 2);
    const Vec m_minusHalfPi = Splat<Vec>(-Pi / 2);
    const Vec m_zero{};

    Vec m_r[Groups] = {}, m_a[Groups] = {}, m_zx[Groups] = {}, m_zy[Groups] = {};
    Vec m_cx[Groups] = {}, m_cy[Groups] = {}, m_count[Groups] = {};
    int m_laneSample[Lanes] = {}; // index in its column's samples
    unsigned m_active = 0;

    int m_slotColumn[Slots] = {};
    int m_slotRemaining[Slots] = {};
    ColumnSamples m_slotSamples[Slots] = {};
    int m_laneSlot[Lanes] = {};
    int m_slot = 0;

    const int m_gridSamples; // of a column without a list
    int m_column = -1;
    int m_columnEnd = 0; // the samples of the column being loaded
    int m_sample = 0;    // its next one; in the grid, sub-column m_sub, row m_row
    int m_row = 0;
    int m_sub = 0;
    bool m_exhausted = false;
};

template<class Traits, int Groups>
void IterateColumnsInLanes(const ColumnJob& job)
{
    LaneIteration<Traits, Groups>(job).run();
}

// Natural logarithms in place, a vector at a time; the last few padded with
// ones. Every lane gives the bits the scalar routine gives.
template<class Traits>
void LogsInLanes(double* values, std::size_t count)
{
    using Vec = typename Traits::Vec;
    constexpr std::size_t Width = Traits::Width;
    std::size_t start = 0;
    for (; start + Width <= count; start += Width) {
        Vec vector;
        __builtin_memcpy(&vector, values + start, sizeof vector);
        vector = Traits::Log(vector);
        __builtin_memcpy(values + start, &vector, sizeof vector);
    }
    if (start < count) {
        Vec vector = Splat<Vec>(1);
        for (std::size_t k = 0; start + k < count; ++k) {
            vector[k] = values[start + k];
        }
        vector = Traits::Log(vector);
        for (std::size_t k = 0; start + k < count; ++k) {
            values[start + k] = vector[k];
        }
    }
}

} // namespace
} // namespace Render
