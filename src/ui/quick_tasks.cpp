#include "ui/quick_tasks.h"

#include <utility>

#include "widgets/note_resize.h"

namespace tockly {

StickyNoteTask QuickStickyNote(const SettingsValues& settings, std::u16string title) {
    StickyNoteTask note;
    note.title = std::move(title);
    note.theme = settings.stickyNoteTheme;
    note.shown = true;
    note.alwaysOnTop = settings.widgetsAlwaysOnTop;
    note.width = kStickyNoteMinWidth;
    note.height = kStickyNoteMinHeight;
    note.transparency = settings.widgetTransparency;
    return note;
}

StopwatchTask QuickStopwatch(const SettingsValues& settings, std::u16string title,
                             const StopwatchStart& start) {
    StopwatchTask watch;
    watch.title = std::move(title);
    watch.elapsed = {0, start.hours(), start.minutes(), start.seconds()};
    watch.running = true;
    watch.shown = true;
    watch.listCollapsed = true;
    watch.alwaysOnTop = settings.widgetsAlwaysOnTop;
    watch.transparency = settings.widgetTransparency;
    return watch;
}

}  // namespace tockly
