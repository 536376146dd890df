#pragma once
// The form of an application task: start a program (its path, parameters and working folder) or
// end a process (its id) at a clock time.
//
// Checks, for a create and a change alike: the time is this second or later; to start a program,
// the path names an existing file and the working folder an existing folder; to end a process,
// the id is a number from 1 to 4294967295 (a text that is not a number is refused, as the task
// could never end anything; blanks around the digits are allowed and kept).

#include <cstdint>
#include <string>

#include "execution/application_action.h"
#include "platform/clock.h"
#include "platform/path_probe.h"
#include "shell/settings_file.h"
#include "tasks/task_records.h"
#include "ui/forms/form_basics.h"
#include "ui/forms/time_entry.h"
#include "ui/forms/widget_options.h"

namespace tockly {

class ApplicationForm {
public:
    // Create mode: `title`, the time now, starting a program with every text empty, the check
    // boxes from the settings.
    void Reset(std::u16string title, const TimePoint& now, const SettingsValues& settings);
    // Change mode: the task's values.
    void Load(const ApplicationTask& task);
    void Set24Hour(bool use24Hour) { time_.Set24Hour(use24Hour); }

    void SetTitle(std::u16string title) { title_ = std::move(title); }
    // A change of mode empties the fields of the mode chosen (the path, parameters and folder, or
    // the process id).
    void SetMode(ApplicationAction mode);
    // The time boxes, to change one of them.
    TimeEntry& EditTime();
    void SetProgramPath(std::u16string path);
    void SetParameters(std::u16string parameters) { parameters_ = std::move(parameters); }
    void SetStartIn(std::u16string folder);
    // A program chosen in the file dialog: its path, and the folder it is in as working folder.
    void ProgramChosen(std::u16string path);
    void SetProcessId(std::u16string text);
    // The id the process chooser handed over.
    void ProcessChosen(std::uint32_t id);
    WidgetChecks& checks() noexcept { return checks_; }

    const std::u16string& title() const noexcept { return title_; }
    ApplicationAction mode() const noexcept { return mode_; }
    const TimeEntry& time() const noexcept { return time_; }
    const std::u16string& programPath() const noexcept { return programPath_; }
    const std::u16string& parameters() const noexcept { return parameters_; }
    const std::u16string& startIn() const noexcept { return startIn_; }
    const std::u16string& processId() const noexcept { return processId_; }
    const WidgetChecks& checks() const noexcept { return checks_; }
    const FieldMark& mark() const noexcept { return mark_; }
    // The rows of the mode: program path, parameters and folder, or the process id.
    bool programRowsShown() const noexcept { return mode_ == ApplicationAction::StartProgram; }
    bool processRowShown() const noexcept { return mode_ == ApplicationAction::EndProcess; }

    FormOutcome<ApplicationTask> Create(const Clock& clock, const PathProbe& paths,
                                        const SettingsValues& settings);
    // The task with the form's values; its widget's state (appearance, place) stays.
    FormOutcome<ApplicationTask> Change(const ApplicationTask& task, const Clock& clock,
                                        const PathProbe& paths);

private:
    FormField Fill(ApplicationTask& task, const Clock& clock, const PathProbe& paths) const;

    std::u16string title_;
    ApplicationAction mode_ = ApplicationAction::StartProgram;
    TimeEntry time_;
    std::u16string programPath_;
    std::u16string parameters_;
    std::u16string startIn_;
    std::u16string processId_;
    WidgetChecks checks_;
    FieldMark mark_;
};

// The folder of a program's path: the part before the last "\" or "/" ("C:\" for a program at
// the root of a drive); empty when the path has no separator.
std::u16string FolderOfProgram(std::u16string_view path);

}  // namespace tockly
