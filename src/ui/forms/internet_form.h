#pragma once
// The form of an internet task: connect or disconnect a dial-up entry of the phone book, at a
// clock time or in a span (hours, minutes, seconds) from now.
//
// The entry list holds the phone book's names. A new task has the first entry chosen; with an
// empty phone book nothing can be chosen, and a create or change is refused naming the entry (a
// task without an entry could never connect or disconnect anything), as it is when a stored
// task's entry has left the phone book. Then the time is checked ("at": this second or later) or
// the span ("in": never zero).

#include <cstdint>
#include <string>
#include <vector>

#include "execution/network_action.h"
#include "tasks/task_records.h"
#include "ui/forms/target_form.h"

namespace tockly {

class InternetForm final : public TargetForm {
public:
    InternetForm() : TargetForm(SpanLayout::HoursMinutesSeconds) {}

    // Create mode: `title`, connect, the first entry, at the time now, the check boxes from the
    // settings.
    void Reset(std::u16string title, const TimePoint& now, const SettingsValues& settings);
    // Change mode: the task's values; its entry is chosen when the list holds it.
    void Load(const InternetTask& task);

    // The names of the phone book's entries, in its order; the chosen name stays chosen where it
    // still is, else the choice is lost.
    void SetEntries(std::vector<std::u16string> names);

    void SetAction(NetworkAction action) { action_ = action; }
    // The list's index; -1 (or any index outside the list) for none.
    void ChooseEntry(int index);

    NetworkAction action() const noexcept { return action_; }
    const std::vector<std::u16string>& entries() const noexcept { return entries_; }
    int chosenEntry() const noexcept { return entry_; }

    FormOutcome<InternetTask> Create(const Clock& clock, const SettingsValues& settings);
    FormOutcome<InternetTask> Change(const InternetTask& task, const Clock& clock);

private:
    FormField Fill(InternetTask& task, const Clock& clock) const;
    int IndexOf(const std::u16string& name) const;

    NetworkAction action_ = NetworkAction::Connect;
    std::vector<std::u16string> entries_;
    int entry_ = -1;
};

}  // namespace tockly
