#pragma once
// What the forms take from the application settings: the appearance a new widget starts with
// (transparency, always on top), and the two check boxes of the counting tasks' forms (show the
// progress bar, remove the task after its end), whose defaults are the settings'. A change keeps
// the widget's appearance: only a create sets it.

#include "shell/settings_file.h"

namespace tockly {

// A new record of a kind with the settings' appearance; every other field at its default.
template <typename Task>
Task NewTask(const SettingsValues& settings) {
    Task task;
    task.transparency = settings.widgetTransparency;
    task.alwaysOnTop = settings.widgetsAlwaysOnTop;
    return task;
}

struct WidgetChecks {
    bool showProgressBar = true;
    bool removeAfterEnd = false;

    void Reset(const SettingsValues& settings) {
        showProgressBar = settings.showProgressBar;
        removeAfterEnd = settings.removeTaskAfterEnd;
    }
    template <typename Task>
    void Load(const Task& task) {
        showProgressBar = task.showProgressBar;
        removeAfterEnd = task.removeAfterEnd;
    }
    template <typename Task>
    void WriteInto(Task& task) const {
        task.showProgressBar = showProgressBar;
        task.removeAfterEnd = removeAfterEnd;
    }
};

}  // namespace tockly
