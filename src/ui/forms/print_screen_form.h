#pragma once
// The form of a print screen task: the folder and the beginning of the file names, the format,
// the time of the first shot, the period between shots, and whether it takes one shot, repeats
// without end or repeats for a span. The span boxes are enabled only in that last mode, and the
// remove-after-end check box is disabled in the endless one (such a task never ends). The period,
// and the span while it is enabled, never show all zero.
//
// Checks, for a create and a change alike: the folder exists; the beginning of the file names is
// a part of a file name; the first shot is this second or later.

#include <cstdint>
#include <string>

#include "execution/print_screen_action.h"
#include "platform/clock.h"
#include "platform/path_probe.h"
#include "shell/settings_file.h"
#include "tasks/task_records.h"
#include "ui/forms/form_basics.h"
#include "ui/forms/span_entry.h"
#include "ui/forms/time_entry.h"
#include "ui/forms/widget_options.h"

namespace tockly {

class PrintScreenForm {
public:
    PrintScreenForm();

    // Create mode: `title`, no folder (a create is refused until one is chosen), `filePrefix`,
    // PNG, the first shot now, every second, once, a span of 0, the check boxes from the
    // settings.
    void Reset(std::u16string title, std::u16string filePrefix, const TimePoint& now,
               const SettingsValues& settings);
    void Load(const PrintScreenTask& task);
    void Set24Hour(bool use24Hour) { time_.Set24Hour(use24Hour); }

    void SetTitle(std::u16string title) { title_ = std::move(title); }
    void SetSaveIn(std::u16string folder);
    void SetFilePrefix(std::u16string prefix);
    // The file format list's index: 0 png, 1 jpg, 2 bmp; anything else is png.
    void SetFormat(std::int32_t index);
    TimeEntry& EditTime();
    SpanEntry& EditRepeatPeriod();
    void SetRepetitionMode(RepetitionMode mode);
    SpanEntry& EditExecuteFor();
    WidgetChecks& checks() noexcept { return checks_; }

    const std::u16string& title() const noexcept { return title_; }
    const std::u16string& saveIn() const noexcept { return saveIn_; }
    const std::u16string& filePrefix() const noexcept { return filePrefix_; }
    std::int32_t format() const noexcept { return format_; }
    const TimeEntry& time() const noexcept { return time_; }
    const SpanEntry& repeatPeriod() const noexcept { return repeatPeriod_; }
    RepetitionMode repetitionMode() const noexcept { return mode_; }
    const SpanEntry& executeFor() const noexcept { return executeFor_; }
    const WidgetChecks& checks() const noexcept { return checks_; }
    const FieldMark& mark() const noexcept { return mark_; }
    bool executeForEnabled() const noexcept { return mode_ == RepetitionMode::RepeatForSpan; }
    bool removeAfterEndEnabled() const noexcept { return mode_ != RepetitionMode::Repeat; }

    FormOutcome<PrintScreenTask> Create(const Clock& clock, const PathProbe& paths,
                                        const SettingsValues& settings);
    // The task with the form's values; its widget's state and its shot counter stay.
    FormOutcome<PrintScreenTask> Change(const PrintScreenTask& task, const Clock& clock,
                                        const PathProbe& paths);

private:
    FormField Fill(PrintScreenTask& task, const Clock& clock, const PathProbe& paths) const;

    std::u16string title_;
    std::u16string saveIn_;
    std::u16string filePrefix_;
    std::int32_t format_ = 0;
    TimeEntry time_;
    SpanEntry repeatPeriod_;
    RepetitionMode mode_ = RepetitionMode::Once;
    SpanEntry executeFor_;
    WidgetChecks checks_;
    FieldMark mark_;
};

// A text that can begin a file name: not empty, no control character and none of \ / : * ? " < >
// |.
bool IsFileNamePart(std::u16string_view text);

// The index of the widget menu's "Repeat every" and "Execute for" item of `span`, -1 for none:
// the widget checks that item.
std::int32_t RepeatChoiceOf(const Duration& span);
std::int32_t ExecuteForChoiceOf(const Duration& span);

}  // namespace tockly
