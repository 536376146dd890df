#include "ui/forms/target_form.h"

#include "execution/task_counter_model.h"

namespace tockly {

std::int32_t AtInChoiceOf(TargetMode mode) {
    return mode == TargetMode::Span ? kTargetEnteredIn : kTargetEnteredAt;
}

TargetMode TargetModeOfAtIn(std::int32_t atInChoice) {
    return atInChoice == kTargetEnteredIn ? TargetMode::Span : TargetMode::ClockTime;
}

void TargetForm::ChooseClockTime() {
    mark_.Changed(FormField::Delay);
    target_.ChooseClockTime();
}

void TargetForm::ChooseSpan(const TimePoint& now) {
    mark_.Changed(FormField::Target);
    target_.ChooseSpan(now);
}

TimeEntry& TargetForm::EditTime() {
    mark_.Changed(FormField::Target);
    return target_.time();
}

SpanEntry& TargetForm::EditSpan() {
    mark_.Changed(FormField::Delay);
    return target_.span();
}

void TargetForm::ResetShared(std::u16string title, TargetMode mode, const TimePoint& now,
                             const Duration& span, const SettingsValues& settings) {
    title_ = std::move(title);
    target_.Reset(mode, now, span);
    checks_.Reset(settings);
    mark_.Clear();
}

}  // namespace tockly
