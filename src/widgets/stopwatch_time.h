#pragma once
// The stopwatch's time: the reading, measured on the monotonic clock so that it counts the time
// that really passed however late its worker runs, the texts the widget shows, and the list's
// scroll position. Portable.
//
// A reading is kept in milliseconds; what the record stores and the widget shows are its whole
// seconds as hours, minutes and seconds, with the days folded into the hours (a stopwatch that
// runs 26 hours shows 26 : 00 : 00, as the timer shows its hours), so the three stored fields
// never lose a day.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/clock.h"
#include "platform/monotonic_clock.h"
#include "support/time_point.h"

namespace tockly {

// The longest reading: the most hours 32 bits hold, and 59 : 59.
inline constexpr std::int64_t kMostStopwatchSeconds = 2'147'483'647LL * 3600 + 3599;

// A count of seconds as the stopwatch keeps it: days 0, minutes and seconds 0-59, the rest in
// the hours; counts outside 0 ... kMostStopwatchSeconds are brought into it.
Duration StopwatchTime(std::int64_t seconds) noexcept;
// The seconds a kept time stands for (any parts, a damaged store's too), in 0 ...
// kMostStopwatchSeconds.
std::int64_t StopwatchSeconds(const Duration& time) noexcept;
// `time` in the stopwatch's form.
Duration NormalStopwatchTime(const Duration& time) noexcept;

// The reading: hours " : " minutes " : " seconds, two digits at least ("00 : 05 : 09").
std::u16string ElapsedText(const Duration& time);
// A checkpoint row: its number, ".  ", then hours ":" minutes ":" seconds ("3.  00:01:07").
std::u16string CheckpointText(std::size_t number, const Duration& time);

// The rows of the expanded stopwatch.
inline constexpr int kStopwatchRows = 3;
// A row that shows no checkpoint.
inline constexpr std::u16string_view kNoCheckpointText = u"-";
// The rows from `listPosition`, newest first: position 0 shows the newest checkpoint on top.
std::array<std::u16string, kStopwatchRows> CheckpointRows(std::span<const Duration> checkpoints,
                                                          int listPosition);
// "List up" and "list down": up stops at the newest checkpoint, down at the oldest.
int ListPositionUp(int position) noexcept;
int ListPositionDown(int position, std::size_t checkpoints) noexcept;

// The reading in milliseconds of a monotonic clock: while running it grows with the clock, when
// stopped it keeps its value. Set starts it again from a value without stopping it.
class StopwatchReading {
public:
    static constexpr std::int64_t kMostMilliseconds = kMostStopwatchSeconds * 1000 + 999;

    std::int64_t Milliseconds(std::int64_t now) const noexcept;
    bool running() const noexcept { return running_; }
    void Start(std::int64_t now) noexcept;
    void Stop(std::int64_t now) noexcept;
    void Set(std::int64_t milliseconds, std::int64_t now) noexcept;
    // While running, the reading is the clock plus this.
    std::int64_t offset() const noexcept { return base_ - since_; }

private:
    std::int64_t base_ = 0;   // the reading when last started, stopped or set
    std::int64_t since_ = 0;  // the clock then
    bool running_ = false;
};

// The stopwatch worker's clock: it reads the reading itself (a time point of that many
// milliseconds), so the worker wakes when the reading's second changes, not the wall clock's.
// Safe to read from the worker while the widget follows a new offset.
class StopwatchPace final : public Clock {
public:
    explicit StopwatchPace(const MonotonicClock& clock) : clock_(clock) {}
    TimePoint Now() const override;
    void Follow(const StopwatchReading& reading) noexcept { offset_ = reading.offset(); }

private:
    const MonotonicClock& clock_;
    std::atomic<std::int64_t> offset_ = 0;
};

}  // namespace tockly
