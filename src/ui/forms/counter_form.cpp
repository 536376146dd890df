#include "ui/forms/counter_form.h"

namespace tockly {
namespace {

constexpr Duration kDefaultPeriod{0, 0, 1, 0};

TargetMode ModeOf(std::int32_t modeChoice) {
    return modeChoice == kCountTo ? TargetMode::ClockTime : TargetMode::Span;
}

}  // namespace

void CounterForm::Reset(std::u16string title, const TimePoint& now,
                        const SettingsValues& settings) {
    ResetShared(std::move(title), TargetMode::Span, now, kDefaultPeriod, settings);
    endOptions_.Reset();
}

void CounterForm::Load(const CounterTask& task) {
    LoadShared(task, ModeOf(task.modeChoice), task.period);
    endOptions_.Load(task);
}

EndOptions& CounterForm::EditEndOptions() {
    mark_.Changed(FormField::SoundFile);
    return endOptions_;
}

FormOutcome<CounterTask> CounterForm::Create(const Clock& clock, const SettingsValues& settings) {
    return Submit(mark_, NewTask<CounterTask>(settings),
                  [&](CounterTask& task) { return Fill(task, clock); });
}

FormOutcome<CounterTask> CounterForm::Change(const CounterTask& task, const Clock& clock) {
    return Submit(mark_, task, [&](CounterTask& changed) { return Fill(changed, clock); });
}

FormField CounterForm::Fill(CounterTask& task, const Clock& clock) const {
    if (const FormField refused = WriteShared(task, clock); refused != FormField::None) {
        return refused;
    }
    if (const FormField refused = endOptions_.Check(); refused != FormField::None) {
        return refused;
    }
    task.modeChoice = target().mode() == TargetMode::Span ? kCountFor : kCountTo;
    task.period = target().span().Span();
    endOptions_.WriteInto(task);
    return FormField::None;
}

}  // namespace tockly
