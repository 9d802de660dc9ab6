#include "render/FrameRenderer.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace Render {

struct WorkerBudget::State
{
    std::mutex mutex;
    std::condition_variable freed;
    int free = 0;
};

WorkerBudget::WorkerBudget(int workers) : m_state(std::make_unique<State>())
{
    m_state->free = std::max(workers, 1);
}

WorkerBudget::~WorkerBudget() = default;

void WorkerBudget::acquire()
{
    std::unique_lock lock(m_state->mutex);
    m_state->freed.wait(lock, [this] { return m_state->free > 0; });
    --m_state->free;
}

void WorkerBudget::release()
{
    {
        const std::lock_guard lock(m_state->mutex);
        ++m_state->free;
    }
    m_state->freed.notify_one();
}

} // namespace Render
