#pragma once
// The task counter's countdown: how many seconds remain to a system task's moment, how long the
// whole count is, how long ago the target passed, the progress strip and the countdown text.
// Portable.
//
// All of it is the core's own time-point arithmetic on 100-nanosecond units (time_point.h). The
// sums never wrap: the units of two valid moments differ by less than the int64 range, a span is
// added as whole seconds, and the fraction of the strip is taken from counts held at the unsigned
// 32-bit limit rather than cut down to it, so a count of any size shows sensibly.

#include <cstdint>
#include <string>

#include "support/time_point.h"

namespace tockly {

// What one count is made of: when it began, its target and the span added to the target (the
// print screen task's "execute for" in repetition mode 2, zero otherwise).
struct CountTimes {
    TimePoint start;
    TimePoint target;
    Duration span;
    // The print screen task's repetition mode 1: it never ends, shows "## : ## : ##" and a full
    // strip.
    bool endless = false;
};

// The seconds from `now` (its milliseconds taken as 0) to target + span, truncated; 0 once that
// moment is reached or passed. A target or present that is no valid moment counts as reached.
std::int64_t SecondsRemaining(const TimePoint& now, const CountTimes& count);

// The seconds from the start to target + span, truncated; 0 when the start lies after the end or
// either is no valid moment.
std::int64_t TotalSeconds(const CountTimes& count);

// The whole seconds since the target (without the span), `now` with its milliseconds; -1 while
// the target lies ahead. A target or present that is no valid moment gives 0 (reached).
std::int64_t SecondsSinceTarget(const TimePoint& now, const TimePoint& target);

// remaining / total in double precision, each held at 0 and at the unsigned 32-bit limit; the
// result never exceeds 1. An endless count is full (1), an empty one (total 0) empty (0).
double ProgressFraction(std::int64_t remaining, std::int64_t total, bool endless);

// The task counter's strip is 198 columns wide: fraction x 198, truncated.
inline constexpr int kTaskCounterStripColumns = 198;
int ProgressColumns(double fraction, int fullColumns = kTaskCounterStripColumns);

// "HH : MM : SS" with days folded into the hours, each part with a leading 0 below 10; the hours
// may take three digits or more (360,000 s show "100 : 00 : 00"). An endless count shows
// "## : ## : ##".
std::u16string CountdownText(std::int64_t remaining, bool endless);

}  // namespace tockly
