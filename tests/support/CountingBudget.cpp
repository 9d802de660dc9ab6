#include "CountingBudget.h"

#include <algorithm>
#include <chrono>

namespace Render {

CountingBudget::CountingBudget(int workers) : WorkerBudget(workers) {}

void CountingBudget::acquire()
{
    WorkerBudget::acquire();
    const std::lock_guard lock(m_mutex);
    m_peak = std::max(m_peak, ++m_running);
    m_full.notify_all();
}

void CountingBudget::release()
{
    {
        std::unique_lock lock(m_mutex);
        m_full.wait_for(lock, std::chrono::seconds(5), [this] { return m_peak >= places(); });
        --m_running;
    }
    WorkerBudget::release();
}

int CountingBudget::peak() const
{
    const std::lock_guard lock(m_mutex);
    return m_peak;
}

} // namespace Render
