#pragma once
// How task times meet the present: expiry tests, and the targets of the editors' "in" (delay) and
// "at" (clock time) entries. All of it is plain calendar arithmetic on local wall-clock time;
// nothing compensates for the hour that daylight saving skips or repeats.

#include <cstdint>
#include <optional>

#include "platform/clock.h"
#include "support/time_point.h"

namespace tockly {

// The present is strictly earlier than `target`. A target that is no valid moment is never in
// the future: a task with such a target could never fire.
bool IsFuture(const Clock& clock, const TimePoint& target);

// The print screen test. Mode 0 (once): IsFuture(target). Mode 1 (repeat without end): always.
// Mode 2 (repeat for a span) and any other mode: the present is strictly earlier than
// target + executeFor.
bool IsActive(const Clock& clock, std::int32_t repetitionMode, const TimePoint& target,
              const Duration& executeFor);

struct StartAndTarget {
    TimePoint start;
    TimePoint target;
};
// start = the present, target = the present + delay; nullopt when the target would fall outside
// the years a time point can hold.
std::optional<StartAndTarget> TargetIn(const Clock& clock, const Duration& delay);

// The "at" entry: those fields, second and millisecond 0.
TimePoint TargetAt(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                   std::int32_t minute);

// The present is earlier than or equal to `target`; false for a target that is no valid moment.
bool IsNotPast(const Clock& clock, const TimePoint& target);

}  // namespace tockly
