#pragma once
// The form of a counter: it counts for a span (days, hours, minutes, seconds) from now or to a
// clock time, and does at its end what the timer does. The two choices are exclusive and each
// enables its own boxes. Checks: "count to" this second or later, or "count for" never zero; a
// sound to play has its file.

#include <string>

#include "shell/settings_file.h"
#include "tasks/task_records.h"
#include "ui/forms/end_options.h"
#include "ui/forms/target_form.h"

namespace tockly {

class CounterForm final : public TargetForm {
public:
    CounterForm() : TargetForm(SpanLayout::DaysHoursMinutesSeconds) {}

    // Create mode: `title`, counting for one minute (the time boxes at now), nothing at the end,
    // the check boxes from the settings.
    void Reset(std::u16string title, const TimePoint& now, const SettingsValues& settings);
    void Load(const CounterTask& task);

    EndOptions& EditEndOptions();
    const EndOptions& endOptions() const noexcept { return endOptions_; }

    FormOutcome<CounterTask> Create(const Clock& clock, const SettingsValues& settings);
    FormOutcome<CounterTask> Change(const CounterTask& task, const Clock& clock);

private:
    FormField Fill(CounterTask& task, const Clock& clock) const;

    EndOptions endOptions_;
};

}  // namespace tockly
