#pragma once

#include "render/FrameRenderer.h"

#include <condition_variable>
#include <mutex>

namespace Render {

// A worker budget that counts the workers running at once. Each worker keeps
// its place until the budget has been full once (or a few seconds have
// passed), so that a test sees the budget reached, not only some worker run.
class CountingBudget : public WorkerBudget
{
public:
    explicit CountingBudget(int workers);

    void acquire() override;
    void release() override;
    // The most workers that ran at once.
    int peak() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_full;
    int m_running = 0;
    int m_peak = 0;
};

} // namespace Render
