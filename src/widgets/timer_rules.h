#pragma once
// What the timer and the counter widgets compute without a window: the countdown text, the
// timer's count of the seconds that really passed, and what happens at the end of a count.
// Portable.

#include <cstdint>
#include <string>

#include "widgets/worker_loop.h"

namespace tockly {

// The events of the timer and counter families, beyond `Hidden` and `RemoveRequest`.
namespace count_event {
inline constexpr int kStarted = 1;
inline constexpr int kEnded = 2;  // the count stopped (paused, or over)
inline constexpr int kTitleEdited = 3;
inline constexpr int kShowEndMessage = 7;
inline constexpr int kShowEndMessageAndRemove = 8;
}  // namespace count_event

// "HH : MM : SS": days folded into the hours, each field with a "0" in front below 10, so 3,725
// seconds are "01 : 02 : 05" and 360,000 are "100 : 00 : 00". Negative counts show as zero.
std::u16string CountdownText(std::int64_t seconds);

// The timer's count down. The worker looks once per new wall-clock second; what it takes off the
// remaining seconds is the time that really passed since the count (re)started, read from the
// monotonic clock, so a worker that stalls (a busy machine) loses no time and a change of the
// wall clock gains none. Seen from outside it is the one-second step it always was: each second
// shows the remaining seconds, then stores one less, and the second that shows 0 ends the count.
class TimerCountdown {
public:
    struct Second {
        std::int32_t shown = 0;  // the remaining seconds the text shows now
        bool ended = false;      // the count is over: `remaining` is 0
    };

    // The worker (re)starts: the next second counts on from the record's remaining seconds.
    void Restart() noexcept { anchored_ = false; }

    // One new wall-clock second, seen `lateness` milliseconds after it began (the wall clock's
    // milliseconds) when the monotonic clock read `elapsedMilliseconds`, with the record's
    // remaining seconds, which it updates. A remaining count that changed since the last second
    // (a reset) counts on from there.
    Second Tick(std::int64_t elapsedMilliseconds, int lateness, std::int32_t& remaining) noexcept;

private:
    bool anchored_ = false;
    std::int64_t anchorMilliseconds_ = 0;  // when the first second of this run began
    std::int32_t anchorRemaining_ = 0;     // the remaining seconds it showed
    std::int64_t secondsCounted_ = 0;      // whole seconds taken off since then
    std::int32_t stored_ = 0;              // what the last second left in the record
};

// What a timer or counter does when its count is over, from its record's three flags.
struct CountEndFlags {
    bool removeAfterEnd = false;
    bool showMessage = false;
    bool playSound = false;
};

struct CountEnd {
    static constexpr int kPauseMilliseconds = 500;  // the end shows 00 : 00 : 00 this long first

    bool hide = false;       // the widget hides itself
    bool playSound = false;  // the widget plays its sound once
    WorkerStep step;         // the events for the owner, in order, and how the worker ends
};

// Kept (remove after end clear): `Hidden`, `Ended`, hidden, then the message asked of the owner or
// the sound; the worker stops. Removed: the message and removal asked of the owner, or the sound
// and `RemoveRequest`; the worker ends waiting for the owner to remove the widget.
CountEnd PlanCountEnd(const CountEndFlags& flags) noexcept;

}  // namespace tockly
