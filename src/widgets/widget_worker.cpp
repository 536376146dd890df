#include "widgets/widget_worker.h"

#include <exception>

#include "support/fatal_error.h"

namespace tockly {

WidgetWorker::WidgetWorker(const Clock& clock, Client& client)
    : clock_(clock), client_(client), wake_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

WidgetWorker::~WidgetWorker() {
    Stop();
}

bool WidgetWorker::Start() {
    {
        CriticalSectionLock hold(lock_);
        if (running_) {
            return false;
        }
    }
    JoinEnded();
    if (!wake_) {
        return false;  // without its event a worker could neither wait nor be stopped
    }
    CriticalSectionLock hold(lock_);
    stopRequest_ = false;
    ::ResetEvent(wake_.get());
    thread_.reset(::CreateThread(nullptr, 0, &WidgetWorker::ThreadMain, this, 0, nullptr));
    running_ = thread_.valid();
    return running_;
}

void WidgetWorker::Stop() {
    if (!thread_) {
        return;
    }
    {
        CriticalSectionLock hold(lock_);
        stopRequest_ = true;
    }
    // Outside the lock: the worker needs it to see the request and end.
    ::SetEvent(wake_.get());
    ::WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
    ::ResetEvent(wake_.get());
    CriticalSectionLock hold(lock_);
    stopRequest_ = false;
    running_ = false;
}

void WidgetWorker::JoinEnded() {
    if (thread_ && !running()) {
        Stop();
    }
}

bool WidgetWorker::running() const {
    CriticalSectionLock hold(lock_);
    return running_;
}

DWORD WINAPI WidgetWorker::ThreadMain(void* argument) noexcept {
    auto* worker = static_cast<WidgetWorker*>(argument);
    try {
        RunWorkerLoop(*worker);
    } catch (...) {
        DeferFatalError(std::current_exception());
        CriticalSectionLock hold(worker->lock_);
        worker->EndOrderly();
    }
    return 0;
}

TimePoint WidgetWorker::Now() {
    return clock_.Now();
}

void WidgetWorker::WaitForStop(int milliseconds) {
    ::WaitForSingleObject(wake_.get(), static_cast<DWORD>(milliseconds));
}

bool WidgetWorker::Turn(const TimePoint& now, bool newSecond) {
    WorkerStep step;
    {
        CriticalSectionLock hold(lock_);
        if (stopRequest_) {
            EndOrderly();
            return false;
        }
        if (!newSecond) {
            return true;
        }
        step = client_.WorkerSecond(now);
    }
    if (step.withoutLock) {
        step.withoutLock(step);
    }
    if (step.pauseMilliseconds > 0) {
        WaitForStop(step.pauseMilliseconds);  // not under the lock, and cut short by a stop
    }
    CriticalSectionLock hold(lock_);
    client_.WorkerDeliver(step);
    switch (step.end) {
        case WorkerEnd::Continue:
            return true;
        case WorkerEnd::Stop:
            EndOrderly();
            return false;
        case WorkerEnd::AwaitRemoval:
            return false;
    }
    return false;
}

void WidgetWorker::EndOrderly() noexcept {
    running_ = false;
    stopRequest_ = false;
}

}  // namespace tockly
