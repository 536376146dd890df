#pragma once
// The pace of a widget's worker thread, apart from threads and windows so that it can be run
// against a clock that a test moves. Portable.
//
// A worker does its work once per change of the wall-clock second. Instead of waking every 100 ms
// to look, it sleeps until the next second boundary, in a wait that the stop request ends at once;
// a wait that ends early (timer granularity) only leads to a shorter one. So a running widget
// wakes about once a second and its work starts within a timer tick of the boundary.

#include <array>
#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace tockly {

// Milliseconds from `now` to the start of the next wall-clock second (1 to 1000).
int MillisecondsToNextSecond(const TimePoint& now) noexcept;
// Whether `now` lies in another wall-clock second than `last` (milliseconds aside).
bool InAnotherSecond(const TimePoint& now, const TimePoint& last) noexcept;

// What a worker's step asks for, beyond what it did under the lock.
enum class WorkerEnd {
    Continue,
    // The count is over: the worker ends, and the widget is no longer running.
    Stop,
    // The widget asked to be removed: the worker ends but leaves running and its thread set, and
    // the owner, which destroys the widget, joins it.
    AwaitRemoval,
};

// The result of one second's work, which the worker hands on after leaving the lock: the work for
// the user-interface thread (bits of the widget's choosing, see bfAbstractWidget), the events for
// the owner, in order, and how the worker goes on.
struct WorkerStep {
    static constexpr int kMostEvents = 4;

    std::uint32_t uiWork = 0;
    std::array<int, kMostEvents> events{};
    int eventCount = 0;
    // A pause before the events go out (the moment the user sees the end of a count); the stop
    // request cuts it short.
    int pauseMilliseconds = 0;
    WorkerEnd end = WorkerEnd::Continue;
    // Work that takes long and needs nothing the lock guards (the task counter's action: a
    // program start, a screenshot's capture and encoding, a power call): run on the worker after
    // the lock is left, before the pause. It may add events and end the worker; a stop request
    // waits for it.
    std::function<void(WorkerStep&)> withoutLock{};

    // Adds an event code for the owner; more than kMostEvents is a programming error and dropped.
    WorkerStep& Post(int eventCode) noexcept {
        if (eventCount < kMostEvents) {
            events[static_cast<std::size_t>(eventCount++)] = eventCode;
        }
        return *this;
    }
};

// What the loop runs on: the real clock and an event under Win32, simulated time in tests.
class WorkerLoopHost {
public:
    virtual ~WorkerLoopHost() = default;
    virtual TimePoint Now() = 0;
    // Waits at most `milliseconds`, ending at once when a stop is requested.
    virtual void WaitForStop(int milliseconds) = 0;
    // One turn under the widget's lock: ends the worker when a stop was requested, does the
    // second's work when `newSecond`. False when the worker must end.
    virtual bool Turn(const TimePoint& now, bool newSecond) = 0;
};

// The worker's loop: the first work comes at the first change of the second after the start, then
// one per change; a stall longer than a second does not make up the seconds it missed.
void RunWorkerLoop(WorkerLoopHost& host);

}  // namespace tockly
