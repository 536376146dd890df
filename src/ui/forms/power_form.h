#pragma once
// The form of a session and power task: lock, log off, sleep, restart, hibernate, hybrid shut
// down or shut down, forced or not, at a clock time or in a span (days, hours, minutes, seconds)
// from now. Checks: an action is chosen; "at" this second or later, or "in" never zero.

#include <cstdint>
#include <string>

#include "execution/power_action.h"
#include "tasks/task_records.h"
#include "ui/forms/target_form.h"

namespace tockly {

inline constexpr std::int32_t kPowerActionCount = 7;

class PowerForm final : public TargetForm {
public:
    PowerForm() : TargetForm(SpanLayout::DaysHoursMinutesSeconds) {}

    // Create mode: `title`, the first action (lock), not forced, at the time now, the check boxes
    // from the settings.
    void Reset(std::u16string title, const TimePoint& now, const SettingsValues& settings);
    void Load(const PowerTask& task);

    // The action list's index (the PowerAction values); -1 or any other index for none.
    void ChooseAction(std::int32_t index);
    void SetForce(bool force) { force_ = force; }

    std::int32_t action() const noexcept { return action_; }
    bool force() const noexcept { return force_; }

    FormOutcome<PowerTask> Create(const Clock& clock, const SettingsValues& settings);
    FormOutcome<PowerTask> Change(const PowerTask& task, const Clock& clock);

private:
    FormField Fill(PowerTask& task, const Clock& clock) const;

    std::int32_t action_ = 0;
    bool force_ = false;
};

}  // namespace tockly
