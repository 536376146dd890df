#pragma once
// What the internet, power and counter forms share: the title, the target taken at a clock time
// ("at", "count to") or in a span from now ("in", "count for"), the two check boxes and the mark
// of a refused field.

#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "shell/settings_file.h"
#include "ui/forms/form_basics.h"
#include "ui/forms/target_entry.h"
#include "ui/forms/widget_options.h"

namespace tockly {

// The record's "at"/"in" choice of a target mode, and back (internet and power tasks).
std::int32_t AtInChoiceOf(TargetMode mode);
TargetMode TargetModeOfAtIn(std::int32_t atInChoice);

class TargetForm {
public:
    void Set24Hour(bool use24Hour) { target_.time().Set24Hour(use24Hour); }
    void SetTitle(std::u16string title) { title_ = std::move(title); }
    void ChooseClockTime();
    void ChooseSpan(const TimePoint& now);
    TimeEntry& EditTime();
    SpanEntry& EditSpan();
    WidgetChecks& checks() noexcept { return checks_; }

    const std::u16string& title() const noexcept { return title_; }
    const TargetEntry& target() const noexcept { return target_; }
    const WidgetChecks& checks() const noexcept { return checks_; }
    const FieldMark& mark() const noexcept { return mark_; }

protected:
    explicit TargetForm(SpanLayout span) : target_(span) {}

    // `title`, `mode` with the time now and `span`, the check boxes from the settings.
    void ResetShared(std::u16string title, TargetMode mode, const TimePoint& now,
                     const Duration& span, const SettingsValues& settings);
    template <typename Task>
    void LoadShared(const Task& task, TargetMode mode, const Duration& span) {
        title_ = task.title;
        target_.Load(mode, task.target, span);
        checks_.Load(task);
        mark_.Clear();
    }
    // The title, start, target and check boxes into `task`; the field that refuses the target.
    template <typename Task>
    FormField WriteShared(Task& task, const Clock& clock) const {
        const FormOutcome<StartAndTarget> times = target_.Resolve(clock);
        if (!times.accepted()) {
            return times.refused;
        }
        task.title = title_;
        task.start = times.record->start;
        task.target = times.record->target;
        checks_.WriteInto(task);
        return FormField::None;
    }

    FieldMark mark_;

private:
    std::u16string title_;
    TargetEntry target_;
    WidgetChecks checks_;
};

}  // namespace tockly
