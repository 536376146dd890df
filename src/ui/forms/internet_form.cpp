#include "ui/forms/internet_form.h"

#include <algorithm>

namespace tockly {

void InternetForm::Reset(std::u16string title, const TimePoint& now,
                         const SettingsValues& settings) {
    ResetShared(std::move(title), TargetMode::ClockTime, now, {}, settings);
    action_ = NetworkAction::Connect;
    entry_ = entries_.empty() ? -1 : 0;
}

void InternetForm::Load(const InternetTask& task) {
    LoadShared(task, TargetModeOfAtIn(task.atInChoice), task.delay);
    action_ = task.action == static_cast<std::int32_t>(NetworkAction::Disconnect)
                  ? NetworkAction::Disconnect
                  : NetworkAction::Connect;
    entry_ = IndexOf(task.entryName);
}

void InternetForm::SetEntries(std::vector<std::u16string> names) {
    const std::u16string chosen = entry_ >= 0 ? entries_[entry_] : std::u16string();
    entries_ = std::move(names);
    entry_ = entry_ >= 0 ? IndexOf(chosen) : -1;
}

void InternetForm::ChooseEntry(int index) {
    mark_.Changed(FormField::Entry);
    entry_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

FormOutcome<InternetTask> InternetForm::Create(const Clock& clock, const SettingsValues& settings) {
    return Submit(mark_, NewTask<InternetTask>(settings),
                  [&](InternetTask& task) { return Fill(task, clock); });
}

FormOutcome<InternetTask> InternetForm::Change(const InternetTask& task, const Clock& clock) {
    return Submit(mark_, task, [&](InternetTask& changed) { return Fill(changed, clock); });
}

FormField InternetForm::Fill(InternetTask& task, const Clock& clock) const {
    if (entry_ < 0) {
        return FormField::Entry;
    }
    const FormField refused = WriteShared(task, clock);
    if (refused != FormField::None) {
        return refused;
    }
    task.atInChoice = AtInChoiceOf(target().mode());
    task.delay = target().span().Span();
    task.action = static_cast<std::int32_t>(action_);
    task.entryName = entries_[entry_];
    return FormField::None;
}

int InternetForm::IndexOf(const std::u16string& name) const {
    const auto found = std::find(entries_.begin(), entries_.end(), name);
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

}  // namespace tockly
