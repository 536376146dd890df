#pragma once
// The page of one task kind: its editor form on the left of the page area and, in the page frame
// on the right, the task list of the kind (bfTaskListView, list id 2000 + kind), which owns the
// kind's tasks and their widgets.
//
// The editor forms are not here yet: the page shows the kind's title where the form goes, and its
// commands arrive in HandleCommand by the ids RouteCommand gives the kind. What the page does
// already:
// - shows and hides its list with itself, and translates it;
// - acts on the list's events: a removal asked for (a widget's "Remove", a task ended with remove
//   after end, the remove button) removes the row and its task;
// - the quick tasks: command 1201 (sticky note page) adds an empty note, centred, or beside the
//   note whose row number is in the high word (the sticky note list's event 4 comes to the same);
//   command 1202 (stopwatch page) adds a running stopwatch from the StopwatchStart in lParam;
// - the tray's widget-wide commands go to the list.

#include <windows.h>

#include <functional>
#include <optional>

#include "shell/app_settings.h"
#include "tasks/task_kind.h"
#include "toolkit/static_text.h"
#include "ui/main_window_layout.h"
#include "ui/page.h"
#include "ui/page_controls.h"
#include "ui/task_list_view.h"
#include "ui/task_services.h"

namespace tockly {

class TaskPage final : public Page {
public:
    TaskPage(HWND owner, TaskKind kind, const TaskServices& services,
             std::function<void()> requestSave);

    TaskKind kind() const noexcept { return kind_; }
    bfTaskListView& list() noexcept { return list_; }
    // The widget defaults of new tasks.
    void SetSettings(const AppSettings* settings) noexcept { settings_ = settings; }

    void Show(bool show) override;
    bool visible() const override { return controls_.visible(); }
    void Retranslate(const LanguageTexts& texts) override;
    bool HandleCommand(const PageCommand& command) override;
    void Set24HourClock(bool twentyFourHour) override { twentyFourHour_ = twentyFourHour; }
    void ResetPositions() override { list_.CentreAll(); }
    void ShowAllWidgets(bool show) override { list_.ShowAll(show); }

    // What reached the page last, for the tests of the routing until the forms take their
    // commands.
    const std::optional<PageCommand>& lastCommand() const noexcept { return lastCommand_; }
    bool twentyFourHour() const noexcept { return twentyFourHour_; }

private:
    void OnListEvent(int event, int number);
    void QuickStickyNote(int besideNumber);
    void QuickStopwatch(const StopwatchStart& start);
    SettingsValues Defaults() const;
    std::u16string Text(TextId id) const;

    TaskKind kind_;
    PageControls controls_;
    bfStaticText* title_;
    bfTaskListView list_;
    const AppSettings* settings_ = nullptr;
    const LanguageTexts* texts_ = nullptr;
    bool twentyFourHour_ = true;
    std::optional<PageCommand> lastCommand_;
};

}  // namespace tockly
