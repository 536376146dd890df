#pragma once
// The two ways a form takes a target: a clock time ("at", the counter's "count to") or a span
// from now ("in", the counter's "count for"). The two are exclusive: each enables its own boxes
// and disables the other's. Choosing the span sets the time boxes to now and makes the span
// required (never all zero); choosing the clock time sets the span boxes back to 0.

#include <cstdint>

#include "platform/clock.h"
#include "support/time_point.h"
#include "tasks/time_rules.h"
#include "ui/forms/form_basics.h"
#include "ui/forms/span_entry.h"
#include "ui/forms/time_entry.h"

namespace tockly {

enum class TargetMode { ClockTime, Span };

class TargetEntry {
public:
    explicit TargetEntry(SpanLayout layout) : span_(layout, ZeroFallback::ChangedBox) {}

    // `mode` with the time boxes at `now` and the span `span` (0 for the clock time).
    void Reset(TargetMode mode, const TimePoint& now, const Duration& span);
    // A stored task: its target in the time boxes (whichever mode), its span.
    void Load(TargetMode mode, const TimePoint& target, const Duration& span);

    void ChooseClockTime();
    void ChooseSpan(const TimePoint& now);
    TargetMode mode() const noexcept { return mode_; }
    bool timeEnabled() const noexcept { return mode_ == TargetMode::ClockTime; }
    bool spanEnabled() const noexcept { return mode_ == TargetMode::Span; }

    TimeEntry& time() noexcept { return time_; }
    const TimeEntry& time() const noexcept { return time_; }
    SpanEntry& span() noexcept { return span_; }
    const SpanEntry& span() const noexcept { return span_; }

    // Start (now, in whole seconds) and target; refused with Target for a clock time before this
    // second, with Delay for a span of zero or one that reaches past the last year.
    FormOutcome<StartAndTarget> Resolve(const Clock& clock) const;

private:
    TargetMode mode_ = TargetMode::ClockTime;
    TimeEntry time_;
    SpanEntry span_;
};

}  // namespace tockly
