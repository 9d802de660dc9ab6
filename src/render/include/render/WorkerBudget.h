#pragma once

#include <memory>

namespace Render {

class FrameRender;

// The worker threads that frames share, one frame after another: the threads
// start with the first frame and stay until the budget ends, each taking the
// oldest frame that has columns left, so that a film that starts the next
// frame while one ends never has more threads than asked for. Of them, no
// more compute at once than the processor has cores: the samples in flight
// follow the cores, not the threads. Every frame on a budget ends before it.
class WorkerBudget
{
public:
    explicit WorkerBudget(int workers);
    virtual ~WorkerBudget();
    WorkerBudget(const WorkerBudget&) = delete;
    WorkerBudget& operator=(const WorkerBudget&) = delete;

    // The threads asked for, and those running once the first frame came:
    // fewer when the system allows no more.
    int workersAsked() const;
    int workers() const;
    // How many compute at once: the workers asked for, at most the cores.
    int places() const;
    // The processor's cores, at least one.
    static int Cores();

    // A worker takes a place before it computes and gives it back when no
    // frame has columns left; blocks until a place is free.
    virtual void acquire();
    virtual void release();

private:
    friend class FrameRender;

    // What a worker does with a frame: computes its columns until none is
    // left to take.
    class Work
    {
    public:
        virtual void run() = 0;

    protected:
        ~Work() = default;
    };

    // Hands the frame to the workers, starting them with the first frame.
    void add(Work& work);
    // Takes it back once the workers in it have left.
    void remove(Work& work);
    void serve();

    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace Render
