#pragma once
// The worker thread of a counting widget, with the widget's lock and its run flags.
//
// The lock guards the widget's record, `running` and the stop request. The worker holds it only
// for one second's work (its client's WorkerSecond) and while it hands the results on
// (WorkerDeliver, which only posts); it never sends to, paints, shows or hides a window, so the
// user-interface thread may wait for it at any moment. Work that takes long (a step's
// `withoutLock`: the task counter's action) runs between the two, without the lock. Stop sets the
// stop request under the lock, wakes the worker out of its wait and waits for the thread outside
// the lock: it returns as soon as the worker has finished the step it is in.
//
// Start and Stop belong to the user-interface thread (the widget checks that).

#include <windows.h>

#include "platform/clock.h"
#include "support/critical_section.h"
#include "support/unique_handle.h"
#include "widgets/worker_loop.h"

namespace tockly {

class WidgetWorker final : private WorkerLoopHost {
public:
    // What the worker works for.
    class Client {
    public:
        // On the worker, holding the lock, once per new wall-clock second.
        virtual WorkerStep WorkerSecond(const TimePoint& now) = 0;
        // On the worker, holding the lock: hands a step's results on. Posts only.
        virtual void WorkerDeliver(const WorkerStep& step) = 0;

    protected:
        ~Client() = default;
    };

    WidgetWorker(const Clock& clock, Client& client);
    // Stops and joins a worker that still runs.
    ~WidgetWorker();
    WidgetWorker(const WidgetWorker&) = delete;
    WidgetWorker& operator=(const WidgetWorker&) = delete;

    CriticalSection& lock() const noexcept { return lock_; }

    // Starts the worker unless it runs (or ended asking for removal and waits to be joined).
    // A worker that ended by itself is joined first. False when nothing was started.
    bool Start();
    // Ends and joins the worker; nothing when there is no thread.
    void Stop();
    // Joins a worker that ended by itself; nothing while one runs.
    void JoinEnded();

    bool running() const;
    // A thread exists: running, or ended and not yet joined.
    bool hasThread() const noexcept { return thread_.valid(); }

private:
    static DWORD WINAPI ThreadMain(void* worker) noexcept;
    TimePoint Now() override;
    void WaitForStop(int milliseconds) override;
    bool Turn(const TimePoint& now, bool newSecond) override;
    // Under the lock: the worker ends by itself.
    void EndOrderly() noexcept;

    const Clock& clock_;
    Client& client_;
    mutable CriticalSection lock_;
    bool running_ = false;
    bool stopRequest_ = false;
    KernelHandle wake_;    // a manual-reset event: set by Stop, ends every wait of the worker
    KernelHandle thread_;  // user-interface thread only
};

}  // namespace tockly
