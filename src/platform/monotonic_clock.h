#pragma once
// Elapsed time that never jumps: it does not follow changes of the wall clock, time zones or
// daylight saving, so what a stopwatch or a running timer measures is the time that really passed.
// The program reads the real one (Win32MonotonicClock); tests move a manual one.

#include <atomic>
#include <cstdint>

namespace tockly {

class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Milliseconds since an arbitrary start; never decreases.
    virtual std::int64_t Milliseconds() const = 0;
};

// A clock that moves only when told to; safe to read from a worker while a test moves it.
class ManualMonotonicClock final : public MonotonicClock {
public:
    std::int64_t Milliseconds() const override { return now_.load(); }
    void Advance(std::int64_t milliseconds) { now_ += milliseconds; }

private:
    std::atomic<std::int64_t> now_ = 0;
};

}  // namespace tockly
