#pragma once
// Wall-clock and elapsed time that move only when a test says so, for widgets whose workers count
// seconds. A worker on it looks every millisecond (each reading is the last millisecond of its
// second) and finds a new second once per Advance.

#include <atomic>
#include <cstdint>

#include "platform/clock.h"
#include "platform/monotonic_clock.h"

namespace tockly::testing {

class ManualTime final : public Clock, public MonotonicClock {
public:
    explicit ManualTime(const TimePoint& start = {2024, 5, 17, 12, 0, 0, 0}) : start_(start) {}

    TimePoint Now() const override {
        ++reads_;
        const int second = start_.second + seconds_.load();
        TimePoint now = start_;
        now.hour = (start_.hour + (start_.minute + second / 60) / 60) % 24;
        now.minute = (start_.minute + second / 60) % 60;
        now.second = second % 60;
        now.millisecond = 999;
        return now;
    }
    std::int64_t Milliseconds() const override { return elapsed_.load(); }

    // How often the wall clock was read: a worker that has read it twice has taken the second it
    // started in and waits for the next.
    int reads() const noexcept { return reads_.load(); }

    // The wall clock enters its next second after `elapsedMilliseconds` really passed (more than
    // a second: the worker stalled and missed the seconds between).
    void Advance(std::int64_t elapsedMilliseconds = 1000) {
        elapsed_ += elapsedMilliseconds;
        ++seconds_;
    }

private:
    TimePoint start_;
    std::atomic<int> seconds_{0};
    mutable std::atomic<int> reads_{0};
    std::atomic<std::int64_t> elapsed_{0};
};

}  // namespace tockly::testing
