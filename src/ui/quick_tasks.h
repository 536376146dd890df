#pragma once
// The records of the quick tasks, which the home page and the tray menu create without a form:
// a sticky note (empty, in the settings' theme) and a stopwatch (running from a starting time),
// each with the widget defaults of the settings. Portable.

#include <string>

#include "shell/settings_file.h"
#include "tasks/task_records.h"
#include "ui/main_window_layout.h"

namespace tockly {

StickyNoteTask QuickStickyNote(const SettingsValues& settings, std::u16string title);
StopwatchTask QuickStopwatch(const SettingsValues& settings, std::u16string title,
                             const StopwatchStart& start);

}  // namespace tockly
