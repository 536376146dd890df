// Thirty days of simulated time for each count a widget keeps: the worker's real pace (asleep to
// each second boundary, waking late by timer ticks, and now and then stalled for seconds or
// minutes by a busy or sleeping machine), with the time arithmetic the widgets use. No count
// drifts by a second over the month, and each ends at the first second its worker sees at or
// after its end.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>

#include "execution/task_countdown.h"
#include "support/time_point.h"
#include "widgets/counter_rules.h"
#include "widgets/stopwatch_time.h"
#include "widgets/timer_rules.h"
#include "widgets/worker_loop.h"

namespace tockly {
namespace {

constexpr std::int64_t kMonthSeconds = 30LL * 24 * 3600;
// From 10 February 2024: the month takes in a 29 February and the change of month.
const TimePoint kStart = {2024, 2, 10, 0, 0, 0, 0};

TimePoint AtMillisecond(std::int64_t milliseconds) {
    return *FromUnits(*ToUnits(kStart) + milliseconds * kUnitsPerMillisecond);
}

// The worker's loop in simulated time, ended by the count's own step: `second` gets the
// milliseconds since the start at each second's work and says whether the count goes on.
class MonthOfSeconds : public WorkerLoopHost {
public:
    explicit MonthOfSeconds(std::function<bool(std::int64_t)> second)
        : second_(std::move(second)) {}

    TimePoint Now() override { return AtMillisecond(now_); }
    void WaitForStop(int milliseconds) override {
        now_ += milliseconds + Lateness();
        maxNow_ = std::max(maxNow_, now_);
    }
    bool Turn(const TimePoint&, bool newSecond) override { return !newSecond || second_(now_); }
    int stalls() const noexcept { return stalls_; }

private:
    // Mostly a timer tick or two; one wait in 20,000 is stalled for 2 s to 3 min.
    std::int64_t Lateness() {
        if (std::uniform_int_distribution<int>(0, 19'999)(random_) == 0) {
            ++stalls_;
            return std::uniform_int_distribution<std::int64_t>(2'000, 180'000)(random_);
        }
        return std::uniform_int_distribution<std::int64_t>(0, 31)(random_);
    }

    std::function<bool(std::int64_t)> second_;
    std::mt19937_64 random_{20261206};
    std::int64_t now_ = 0;
    std::int64_t maxNow_ = 0;
    int stalls_ = 0;
};

// One month for all of them at once: the simulation is what costs.
TEST(ThirtyDays, EveryCountKeepsItsSecondAndEndsOnTime) {
    // A timer of thirty days.
    const std::int32_t total = static_cast<std::int32_t>(kMonthSeconds);
    std::int32_t remaining = total;
    TimerCountdown countdown;
    std::optional<std::int64_t> firstSecond;
    std::int64_t timerEnded = -1;
    // A counter to the same moment, and a print screen task whose "execute for" span ends a day
    // and a half after its target, at that moment too.
    const TimePoint target = AtMillisecond(kMonthSeconds * 1000);
    const CountTimes taskCount{
        kStart, AtMillisecond((kMonthSeconds - 36 * 3600) * 1000), {1, 12, 0, 0}};
    std::int64_t counterEnded = -1;
    std::int64_t taskEnded = -1;
    // A stopwatch started with them.
    StopwatchReading reading;
    reading.Start(0);
    std::int64_t secondsSeen = 0;
    bool exact = true;

    MonthOfSeconds month([&](std::int64_t now) {
        const std::int64_t second = now / 1000;
        ++secondsSeen;
        firstSecond = firstSecond.value_or(second);
        if (timerEnded < 0) {
            const TimerCountdown::Second shown =
                countdown.Tick(now, static_cast<int>(now % 1000), remaining);
            if (shown.ended) {
                timerEnded = second;
            } else {
                exact &= shown.shown == total - (second - *firstSecond);
            }
        }
        const TimePoint wall = AtMillisecond(now);
        const std::int64_t counter = CounterRemainingSeconds(wall, target);
        exact &= counter == std::max<std::int64_t>(kMonthSeconds - second, 0);
        exact &= SecondsRemaining(wall, taskCount) == counter;
        if (counter == 0 && counterEnded < 0) {
            counterEnded = second;
            taskEnded = second;
        }
        exact &= reading.Milliseconds(now) == now;
        EXPECT_TRUE(exact) << "off at second " << second;
        return exact && (timerEnded < 0 || counterEnded < 0);
    });
    RunWorkerLoop(month);

    EXPECT_TRUE(exact);
    EXPECT_GT(month.stalls(), 50);
    EXPECT_GT(secondsSeen, kMonthSeconds * 99 / 100) << "the worker looked at nearly every second";
    // Each ended at the first second the worker saw at or after its end; a stall may hide a few.
    EXPECT_GE(timerEnded, *firstSecond + total);
    EXPECT_LE(timerEnded, *firstSecond + total + 180);
    EXPECT_EQ(remaining, 0);
    EXPECT_GE(counterEnded, kMonthSeconds);
    EXPECT_LE(counterEnded, kMonthSeconds + 180);
    EXPECT_EQ(taskEnded, counterEnded);
    EXPECT_EQ(TotalSeconds(taskCount), kMonthSeconds);
    EXPECT_EQ(CounterTotalSeconds(kStart, target), kMonthSeconds);
    reading.Stop(kMonthSeconds * 1000);
    EXPECT_EQ(ElapsedText(StopwatchTime(reading.Milliseconds(kMonthSeconds * 1000 + 5000) / 1000)),
              u"720 : 00 : 00");
}

}  // namespace
}  // namespace tockly
