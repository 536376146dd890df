#include "ui/forms/timer_form.h"

#include <algorithm>
#include <limits>

namespace tockly {
namespace {

constexpr Duration kDefaultCountdown{0, 0, 1, 0};

}  // namespace

TimerForm::TimerForm() : countdown_(SpanLayout::DaysHoursMinutesSeconds, ZeroFallback::FirstBox) {
    countdown_.SetRequired(true);
}

void TimerForm::Reset(std::u16string title, const SettingsValues& settings) {
    title_ = std::move(title);
    countdown_.SetSpan(kDefaultCountdown);
    endOptions_.Reset();
    checks_.Reset(settings);
    mark_.Clear();
}

void TimerForm::Load(const TimerTask& task) {
    title_ = task.title;
    countdown_.SetSpan(task.duration);
    endOptions_.Load(task);
    checks_.Load(task);
    mark_.Clear();
}

EndOptions& TimerForm::EditEndOptions() {
    mark_.Changed(FormField::SoundFile);
    return endOptions_;
}

FormOutcome<TimerTask> TimerForm::Create(const SettingsValues& settings) {
    return Submit(mark_, NewTask<TimerTask>(settings),
                  [this](TimerTask& task) { return Fill(task); });
}

FormOutcome<TimerTask> TimerForm::Change(const TimerTask& task) {
    return Submit(mark_, task, [this](TimerTask& changed) { return Fill(changed); });
}

FormField TimerForm::Fill(TimerTask& task) const {
    if (countdown_.allZero()) {
        return FormField::Countdown;
    }
    if (const FormField refused = endOptions_.Check(); refused != FormField::None) {
        return refused;
    }
    task.title = title_;
    task.duration = countdown_.Span();
    task.remainingSeconds = static_cast<std::int32_t>(std::min<std::int64_t>(
        TotalSeconds(task.duration), std::numeric_limits<std::int32_t>::max()));
    endOptions_.WriteInto(task);
    checks_.WriteInto(task);
    return FormField::None;
}

}  // namespace tockly
