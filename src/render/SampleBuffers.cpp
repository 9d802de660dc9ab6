#include "SampleBuffers.h"

namespace Render {

SampleBuffers::SampleBuffers(std::size_t counts, std::size_t moduli, std::size_t points)
    : m_counts(counts), m_moduli(moduli), m_points(points)
{
}

SampleBuffers::Lease SampleBuffers::take()
{
    const std::lock_guard lock(m_mutex);
    if (m_free.empty()) {
        auto buffer = std::make_unique<Buffer>();
        buffer->counts.resize(m_counts);
        buffer->moduli.resize(m_moduli);
        buffer->rows.resize(m_points);
        buffer->columns.resize(m_points);
        m_free.push_back(m_buffers.size());
        m_buffers.push_back(std::move(buffer));
    }
    const std::size_t index = m_free.back();
    m_free.pop_back();
    Buffer& buffer = *m_buffers[index];
    return {index,
            {m_counts > 0 ? buffer.counts.data() : nullptr,
             m_moduli > 0 ? buffer.moduli.data() : nullptr},
            buffer.rows.data(),
            buffer.columns.data()};
}

void SampleBuffers::giveBack(std::size_t buffer)
{
    const std::lock_guard lock(m_mutex);
    m_free.push_back(buffer);
}

} // namespace Render
