#include "ui/forms/application_form.h"

#include <string>

namespace tockly {

void ApplicationForm::Reset(std::u16string title, const TimePoint& now,
                            const SettingsValues& settings) {
    title_ = std::move(title);
    mode_ = ApplicationAction::StartProgram;
    time_.SetTime(now);
    programPath_.clear();
    parameters_.clear();
    startIn_.clear();
    processId_.clear();
    checks_.Reset(settings);
    mark_.Clear();
}

void ApplicationForm::Load(const ApplicationTask& task) {
    title_ = task.title;
    mode_ = task.action == static_cast<std::int32_t>(ApplicationAction::EndProcess)
                ? ApplicationAction::EndProcess
                : ApplicationAction::StartProgram;
    time_.SetTime(task.target);
    programPath_ = task.programPath;
    parameters_ = task.parameters;
    startIn_ = task.startIn;
    processId_ = task.processId;
    checks_.Load(task);
    mark_.Clear();
}

void ApplicationForm::SetMode(ApplicationAction mode) {
    if (mode == mode_) {
        return;
    }
    mode_ = mode;
    if (mode == ApplicationAction::StartProgram) {
        programPath_.clear();
        parameters_.clear();
        startIn_.clear();
    } else {
        processId_.clear();
    }
    mark_.Clear();
}

TimeEntry& ApplicationForm::EditTime() {
    mark_.Changed(FormField::Target);
    return time_;
}

void ApplicationForm::SetProgramPath(std::u16string path) {
    mark_.Changed(FormField::ProgramPath);
    programPath_ = std::move(path);
}

void ApplicationForm::SetStartIn(std::u16string folder) {
    mark_.Changed(FormField::StartIn);
    startIn_ = std::move(folder);
}

void ApplicationForm::ProgramChosen(std::u16string path) {
    std::u16string folder = FolderOfProgram(path);
    SetProgramPath(std::move(path));
    if (!folder.empty()) {
        SetStartIn(std::move(folder));
    }
}

void ApplicationForm::SetProcessId(std::u16string text) {
    mark_.Changed(FormField::ProcessId);
    processId_ = std::move(text);
}

void ApplicationForm::ProcessChosen(std::uint32_t id) {
    const std::string digits = std::to_string(id);
    SetProcessId(std::u16string(digits.begin(), digits.end()));
}

FormOutcome<ApplicationTask> ApplicationForm::Create(const Clock& clock, const PathProbe& paths,
                                                     const SettingsValues& settings) {
    return Submit(mark_, NewTask<ApplicationTask>(settings),
                  [&](ApplicationTask& task) { return Fill(task, clock, paths); });
}

FormOutcome<ApplicationTask> ApplicationForm::Change(const ApplicationTask& task,
                                                     const Clock& clock, const PathProbe& paths) {
    return Submit(mark_, task,
                  [&](ApplicationTask& changed) { return Fill(changed, clock, paths); });
}

FormField ApplicationForm::Fill(ApplicationTask& task, const Clock& clock,
                                const PathProbe& paths) const {
    const FormOutcome<StartAndTarget> times = time_.Resolve(clock);
    if (!times.accepted()) {
        return times.refused;
    }
    const bool start = mode_ == ApplicationAction::StartProgram;
    if (start && paths.KindOf(programPath_) != PathKind::File) {
        return FormField::ProgramPath;
    }
    if (start && paths.KindOf(startIn_) != PathKind::Folder) {
        return FormField::StartIn;
    }
    if (!start && ParseProcessId(processId_).value_or(0) == 0) {
        return FormField::ProcessId;
    }
    task.title = title_;
    task.action = static_cast<std::int32_t>(mode_);
    task.start = times.record->start;
    task.target = times.record->target;
    task.programPath = start ? programPath_ : std::u16string();
    task.parameters = start ? parameters_ : std::u16string();
    task.startIn = start ? startIn_ : std::u16string();
    task.processId = start ? std::u16string() : processId_;
    checks_.WriteInto(task);
    return FormField::None;
}

std::u16string FolderOfProgram(std::u16string_view path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    if (separator == std::u16string_view::npos) {
        return {};
    }
    std::u16string folder(path.substr(0, separator));
    // "C:" alone is the drive's current folder, not its root.
    if (folder.size() == 2 && folder[1] == u':') {
        folder += path[separator];
    }
    return folder;
}

}  // namespace tockly
