#include "ui/forms/target_entry.h"

namespace tockly {

void TargetEntry::Reset(TargetMode mode, const TimePoint& now, const Duration& span) {
    time_.SetTime(now);
    span_.SetRequired(false);
    span_.SetSpan(span);
    mode_ = mode;
    span_.SetRequired(mode == TargetMode::Span);
}

void TargetEntry::Load(TargetMode mode, const TimePoint& target, const Duration& span) {
    Reset(mode, target, mode == TargetMode::Span ? span : Duration{});
}

void TargetEntry::ChooseClockTime() {
    mode_ = TargetMode::ClockTime;
    span_.SetRequired(false);
    span_.Clear();
}

void TargetEntry::ChooseSpan(const TimePoint& now) {
    mode_ = TargetMode::Span;
    time_.SetTime(now);
    span_.SetRequired(true);
}

FormOutcome<StartAndTarget> TargetEntry::Resolve(const Clock& clock) const {
    if (mode_ == TargetMode::ClockTime) {
        return time_.Resolve(clock);
    }
    const TimePoint now = FormNow(clock);
    const std::optional<StartAndTarget> times =
        span_.allZero() ? std::nullopt : TargetIn(FixedClock(now), span_.Span());
    if (!times) {
        return {std::nullopt, FormField::Delay};
    }
    return {*times, FormField::None};
}

}  // namespace tockly
