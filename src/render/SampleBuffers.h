#pragma once

#include "ColumnJob.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

namespace Render {

// Sample storage for the columns in flight, reused once a column is
// coloured: memory follows the columns being computed, not the frame.
class SampleBuffers
{
public:
    // counts and moduli: how many of each a column's buffer holds (0: none).
    SampleBuffers(std::size_t counts, std::size_t moduli);

    struct Lease
    {
        std::size_t buffer = 0;
        ColumnSamples samples;
    };

    Lease take();
    void giveBack(std::size_t buffer);

private:
    struct Buffer
    {
        std::vector<std::uint8_t> counts;
        std::vector<double> moduli;
    };

    const std::size_t m_counts;
    const std::size_t m_moduli;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Buffer>> m_buffers;
    std::vector<std::size_t> m_free;
};

} // namespace Render
