#pragma once
// The present, as local wall-clock time. The program reads the real clock (Win32Clock); tests and
// tools set the present they need.

#include "support/time_point.h"

namespace tockly {

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint Now() const = 0;
};

// A clock that stands still at the moment it was given.
class FixedClock final : public Clock {
public:
    explicit FixedClock(const TimePoint& now) : now_(now) {}
    TimePoint Now() const override { return now_; }
    void Set(const TimePoint& now) { now_ = now; }

private:
    TimePoint now_;
};

}  // namespace tockly
