#pragma once
// The page of one task kind: its editor form on the left of the page area and, in the page frame
// on the right, the task list of the kind (which also owns the kind's widgets).
//
// The forms and the lists are not here yet. This page shows the kind's title and the list's
// title in its frame, and keeps the places where they plug in:
// - the editor form (create and change mode): its controls go into `controls_`, its commands
//   arrive in HandleCommand by the ids RouteCommand gives the kind;
// - the task list (bfTaskListView, list id 2000 + kind): made by the page on the main window,
//   shown and hidden with the page, its notifications arrive in HandleCommand as id 2000 + kind;
// - the tray's widget-wide commands (ResetPositions, ShowAllWidgets) go to the list;
// - the quick tasks (1201 sticky note, 1202 stopwatch with a StopwatchStart) arrive in
//   HandleCommand of the sticky note and stopwatch pages.

#include <windows.h>

#include <optional>

#include "tasks/task_kind.h"
#include "toolkit/static_text.h"
#include "ui/main_window_layout.h"
#include "ui/page.h"
#include "ui/page_controls.h"

namespace tockly {

class TaskPage final : public Page {
public:
    TaskPage(HWND owner, TaskKind kind);

    TaskKind kind() const noexcept { return kind_; }

    void Show(bool show) override { controls_.Show(show); }
    bool visible() const override { return controls_.visible(); }
    void Retranslate(const LanguageTexts& texts) override;
    bool HandleCommand(const PageCommand& command) override;
    void Set24HourClock(bool twentyFourHour) override { twentyFourHour_ = twentyFourHour; }
    void ResetPositions() override;
    void ShowAllWidgets(bool show) override;

    // What reached the page last, for the tests of the routing until the forms and lists take
    // their commands.
    const std::optional<PageCommand>& lastCommand() const noexcept { return lastCommand_; }
    const std::optional<StopwatchStart>& lastStopwatchStart() const noexcept {
        return lastStopwatchStart_;
    }
    bool twentyFourHour() const noexcept { return twentyFourHour_; }

private:
    TaskKind kind_;
    PageControls controls_;
    bfStaticText* title_;
    bfStaticText* listTitle_;
    bool twentyFourHour_ = true;
    std::optional<PageCommand> lastCommand_;
    std::optional<StopwatchStart> lastStopwatchStart_;
};

}  // namespace tockly
