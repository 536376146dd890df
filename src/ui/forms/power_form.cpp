#include "ui/forms/power_form.h"

namespace tockly {

void PowerForm::Reset(std::u16string title, const TimePoint& now, const SettingsValues& settings) {
    ResetShared(std::move(title), TargetMode::ClockTime, now, {}, settings);
    action_ = static_cast<std::int32_t>(PowerAction::Lock);
    force_ = false;
}

void PowerForm::Load(const PowerTask& task) {
    LoadShared(task, TargetModeOfAtIn(task.atInChoice), task.delay);
    ChooseAction(task.action);
    force_ = task.force;
}

void PowerForm::ChooseAction(std::int32_t index) {
    mark_.Changed(FormField::Action);
    action_ = index >= 0 && index < kPowerActionCount ? index : -1;
}

FormOutcome<PowerTask> PowerForm::Create(const Clock& clock, const SettingsValues& settings) {
    return Submit(mark_, NewTask<PowerTask>(settings),
                  [&](PowerTask& task) { return Fill(task, clock); });
}

FormOutcome<PowerTask> PowerForm::Change(const PowerTask& task, const Clock& clock) {
    return Submit(mark_, task, [&](PowerTask& changed) { return Fill(changed, clock); });
}

FormField PowerForm::Fill(PowerTask& task, const Clock& clock) const {
    if (action_ < 0) {
        return FormField::Action;
    }
    const FormField refused = WriteShared(task, clock);
    if (refused != FormField::None) {
        return refused;
    }
    task.atInChoice = AtInChoiceOf(target().mode());
    task.delay = target().span().Span();
    task.action = action_;
    task.force = force_;
    return FormField::None;
}

}  // namespace tockly
