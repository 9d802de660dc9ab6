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
    // counts, moduli and points: how many of each a column's buffer holds
    // (0: none); a point is a sample's row and column, for a listed column.
    SampleBuffers(std::size_t counts, std::size_t moduli, std::size_t points = 0);

    struct Lease
    {
        std::size_t buffer = 0;
        ColumnSamples samples; // without a list: the lease's owner makes one
        std::int32_t* rows = nullptr;
        std::int32_t* columns = nullptr;
    };

    Lease take();
    void giveBack(std::size_t buffer);

private:
    struct Buffer
    {
        std::vector<std::uint8_t> counts;
        std::vector<double> moduli;
        std::vector<std::int32_t> rows;
        std::vector<std::int32_t> columns;
    };

    const std::size_t m_counts;
    const std::size_t m_moduli;
    const std::size_t m_points;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Buffer>> m_buffers;
    std::vector<std::size_t> m_free;
};

} // namespace Render
