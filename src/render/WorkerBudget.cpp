#include "render/WorkerBudget.h"

#include <algorithm>
#include <condition_variable>
#include <list>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace Render {

struct WorkerBudget::State
{
    // A frame on the budget: open while it has columns to take.
    struct Frame
    {
        Work* work = nullptr;
        bool open = true;
        int inside = 0; // workers computing it
    };

    std::list<Frame>::iterator firstOpen()
    {
        return std::find_if(frames.begin(), frames.end(),
                            [](const Frame& frame) { return frame.open; });
    }

    const int asked;
    const int places;
    mutable std::mutex mutex;
    // A frame added, taken back or left by its last worker, or the end.
    std::condition_variable changed;
    std::condition_variable freed; // a place given back
    int free = 0;
    std::list<Frame> frames; // in the order added: the oldest first
    int busy = 0;            // workers from asking for a place until they gave it back
    bool started = false;
    bool ending = false;
    std::vector<std::jthread> threads; // last, so that they end first
};

WorkerBudget::WorkerBudget(int workers)
    : m_state(
          std::make_unique<State>(std::max(workers, 1), std::min(std::max(workers, 1), Cores())))
{
    m_state->free = m_state->places;
}

WorkerBudget::~WorkerBudget()
{
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->ending = true;
    }
    m_state->changed.notify_all();
    m_state->threads.clear();
}

int WorkerBudget::Cores()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

int WorkerBudget::workersAsked() const
{
    return m_state->asked;
}

int WorkerBudget::workers() const
{
    const std::lock_guard lock(m_state->mutex);
    return int(m_state->threads.size());
}

int WorkerBudget::places() const
{
    return m_state->places;
}

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

void WorkerBudget::add(Work& work)
{
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->frames.push_back({&work});
        if (!std::exchange(m_state->started, true)) {
            try {
                for (int k = 0; k < m_state->asked; ++k)
                    m_state->threads.emplace_back([this] { serve(); });
            } catch (const std::system_error&) {
                // The system allows no more threads (a process limit): those
                // that started share the columns, which gives the same frames.
            }
        }
    }
    m_state->changed.notify_all();
}

void WorkerBudget::remove(Work& work)
{
    std::unique_lock lock(m_state->mutex);
    const auto frame = std::find_if(m_state->frames.begin(), m_state->frames.end(),
                                    [&work](const State::Frame& f) { return f.work == &work; });
    if (frame == m_state->frames.end())
        return;
    frame->open = false;
    m_state->changed.wait(lock, [&frame] { return frame->inside == 0; });
    m_state->frames.erase(frame);
    // With the last frame gone no worker is left in acquire() or release(),
    // so that the budget may end.
    m_state->changed.wait(lock, [this] { return !m_state->frames.empty() || m_state->busy == 0; });
}

// A worker's life: with a place, the oldest open frame until none is left;
// then it waits, holding nothing, for the next frame.
void WorkerBudget::serve()
{
    State& state = *m_state;
    std::unique_lock lock(state.mutex);
    for (;;) {
        state.changed.wait(
            lock, [&state] { return state.ending || state.firstOpen() != state.frames.end(); });
        if (state.ending)
            return;
        ++state.busy;
        lock.unlock();
        acquire();
        lock.lock();
        for (auto frame = state.firstOpen(); frame != state.frames.end();
             frame = state.firstOpen()) {
            ++frame->inside;
            lock.unlock();
            frame->work->run();
            lock.lock();
            // Its columns are all taken: the others need not look in.
            frame->open = false;
            if (--frame->inside == 0)
                state.changed.notify_all();
        }
        lock.unlock();
        release();
        lock.lock();
        if (--state.busy == 0)
            state.changed.notify_all();
    }
}

} // namespace Render
