#pragma once
// The counter widget's count against the wall clock. Portable.

#include <cstdint>

#include "support/time_point.h"

namespace tockly {

// Whole seconds from `now` (its milliseconds taken as 0) to `target`; 0 once the target is
// reached or passed, and for a time point that is no moment (a damaged task store).
std::int64_t CounterRemainingSeconds(const TimePoint& now, const TimePoint& target);

// Whole seconds from `start` to `target`, the length of the whole count; 0 when the start lies
// after the target.
std::int64_t CounterTotalSeconds(const TimePoint& start, const TimePoint& target);

}  // namespace tockly
