#pragma once
// Wall-clock and elapsed time that move only when a test says so, for widgets whose workers count
// seconds. A worker on it looks every millisecond (each reading is the last millisecond of its
// second) and finds a new second once per Advance.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/monotonic_clock.h"

namespace tockly::testing {

class ManualTime final : public Clock, public MonotonicClock {
public:
    explicit ManualTime(const TimePoint& start = {2024, 5, 17, 12, 0, 0, 0}) : start_(start) {}

    TimePoint Now() const override {
        ++reads_;
        const int advances = seconds_.load();
        {
            std::lock_guard hold(lock_);
            lastSeen_[std::this_thread::get_id()] = advances;
        }
        const int second = start_.second + advances;
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

    // Advances one second and waits (without pumping messages) until every other thread that had
    // read the second before has read the new one, so that no worker misses a second however late
    // the machine lets it run; a thread that stopped reading (a worker that ended) is waited for at
    // most `patience`.
    void AdvanceSeenByAll(std::chrono::milliseconds patience = std::chrono::seconds(3)) {
        const int before = seconds_.load();
        std::vector<std::thread::id> readers;
        {
            std::lock_guard hold(lock_);
            for (const auto& [thread, seen] : lastSeen_) {
                if (seen == before && thread != std::this_thread::get_id()) {
                    readers.push_back(thread);
                }
            }
        }
        Advance();
        const auto deadline = std::chrono::steady_clock::now() + patience;
        while (std::chrono::steady_clock::now() < deadline) {
            {
                std::lock_guard hold(lock_);
                if (std::all_of(readers.begin(), readers.end(), [&](std::thread::id thread) {
                        return lastSeen_[thread] > before;
                    })) {
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

private:
    TimePoint start_;
    std::atomic<int> seconds_{0};
    mutable std::atomic<int> reads_{0};
    std::atomic<std::int64_t> elapsed_{0};
    mutable std::mutex lock_;
    mutable std::map<std::thread::id, int> lastSeen_;  // the advances each thread last read
};

}  // namespace tockly::testing
