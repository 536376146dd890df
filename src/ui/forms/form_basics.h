#pragma once
// What every editor form shares: the fields a create or change can refuse, the mark a refused
// field keeps until the user changes it, the present as the forms take it, the default title of
// a new task and the outcome of a create or change. Portable: the editor pages feed their
// controls into a form, read its state back into the controls and mark the field it names.
//
// A refused create or change shows no message and changes nothing; the form names the first
// refused field, in the order of the form from top to bottom.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/clock.h"
#include "support/time_point.h"

namespace tockly {

enum class FormField {
    None,
    Target,        // the clock-time entry: day, month, year, hour, minute, second, AM/PM
    Delay,         // the span of an "in" choice, or the counter's count-for period
    ProgramPath,   // must name an existing file
    StartIn,       // must name an existing folder
    ProcessId,     // must be a process id: decimal digits, 1 to 4294967295
    SaveIn,        // must name an existing folder
    FilePrefix,    // must be a part of a file name: not empty, none of \ / : * ? " < > |
    RepeatPeriod,  // never all zero
    ExecuteFor,    // in repetition mode 2, never all zero
    Entry,         // a dial-up entry must be chosen
    Action,        // a power action must be chosen
    Countdown,     // the timer's: never all zero
    SoundFile,     // a sound to play must be chosen
};

// The field a refused create or change named; the page marks it until the user changes it (or
// the form is reset or loaded).
class FieldMark {
public:
    FormField field() const noexcept { return field_; }
    bool marked(FormField field) const noexcept {
        return field != FormField::None && field == field_;
    }

    void Refuse(FormField field) noexcept { field_ = field; }
    void Changed(FormField field) noexcept {
        if (field_ == field) {
            field_ = FormField::None;
        }
    }
    void Clear() noexcept { field_ = FormField::None; }

private:
    FormField field_ = FormField::None;
};

// The record of a create or change, or the field that refused it.
template <typename Record>
struct FormOutcome {
    std::optional<Record> record;
    FormField refused = FormField::None;

    bool accepted() const noexcept { return record.has_value(); }
};

// `record` filled by `fill`, which answers the field that refuses it (or None); a refusal is
// marked, an acceptance clears the mark.
template <typename Record, typename Fill>
FormOutcome<Record> Submit(FieldMark& mark, Record record, Fill&& fill) {
    const FormField refused = fill(record);
    if (refused != FormField::None) {
        mark.Refuse(refused);
        return {std::nullopt, refused};
    }
    mark.Clear();
    return {std::move(record), FormField::None};
}

// The present in whole seconds: the forms' start times, and the moment a clock-time entry is
// checked against, so that a target equal to this second passes.
TimePoint FormNow(const Clock& clock);

// A new task's title: the page's text, a blank and the task's number.
std::u16string DefaultTitle(std::u16string_view text, int number);

}  // namespace tockly
