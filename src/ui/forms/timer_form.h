#pragma once
// The form of a timer: its countdown (days, hours, minutes, seconds), which never shows all zero
// (a change that would leave every box at 0 sets the days back to 1), and what it does at its
// end. Checks: a sound to play has its file.

#include <string>

#include "shell/settings_file.h"
#include "tasks/task_records.h"
#include "ui/forms/end_options.h"
#include "ui/forms/form_basics.h"
#include "ui/forms/span_entry.h"
#include "ui/forms/widget_options.h"

namespace tockly {

class TimerForm {
public:
    TimerForm();

    // Create mode: `title`, one minute, nothing at the end, the check boxes from the settings.
    void Reset(std::u16string title, const SettingsValues& settings);
    void Load(const TimerTask& task);

    void SetTitle(std::u16string title) { title_ = std::move(title); }
    SpanEntry& EditCountdown() {
        mark_.Changed(FormField::Countdown);
        return countdown_;
    }
    EndOptions& EditEndOptions();
    WidgetChecks& checks() noexcept { return checks_; }

    const std::u16string& title() const noexcept { return title_; }
    const SpanEntry& countdown() const noexcept { return countdown_; }
    const EndOptions& endOptions() const noexcept { return endOptions_; }
    const WidgetChecks& checks() const noexcept { return checks_; }
    const FieldMark& mark() const noexcept { return mark_; }

    // The count starts from the whole countdown, also after a change.
    FormOutcome<TimerTask> Create(const SettingsValues& settings);
    FormOutcome<TimerTask> Change(const TimerTask& task);

private:
    FormField Fill(TimerTask& task) const;

    std::u16string title_;
    SpanEntry countdown_;
    EndOptions endOptions_;
    WidgetChecks checks_;
    FieldMark mark_;
};

}  // namespace tockly
