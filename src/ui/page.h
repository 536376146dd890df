#pragma once
// What the main window asks of a page of its page area. The settings, information and task pages
// implement it; the main window shows one at a time, routes the page's commands to it (by the
// id ranges of RouteCommand) and hands it the language and the 12/24-hour convention.
// Portable: no <windows.h>.

#include <cstdint>

#include "shell/language_texts.h"

namespace tockly {

// A WM_COMMAND for a page: LOWORD(wParam), HIWORD(wParam) and lParam.
struct PageCommand {
    int id = 0;
    int code = 0;
    std::intptr_t parameter = 0;
};

class Page {
public:
    virtual ~Page() = default;

    // Moves the page's controls into the page area and shows them, or hides them.
    virtual void Show(bool show) = 0;
    virtual bool visible() const = 0;
    // Every caption again from `texts`.
    virtual void Retranslate(const LanguageTexts& texts) = 0;
    // The page's own control ids, its task list's notification (2000 + kind) and the quick
    // tasks; false when the page has no use for the command.
    virtual bool HandleCommand(const PageCommand& command) = 0;

    // The pages whose forms take a time of day show 12-hour entry (with AM/PM) or 24-hour entry.
    virtual void Set24HourClock(bool twentyFourHour) { static_cast<void>(twentyFourHour); }
    // The settings page takes the stored values each time it opens.
    virtual void Load() {}

    // The tray's widget-wide commands, for the task pages' lists: every widget of the kind to the
    // centre of the primary screen, and every widget shown or hidden.
    virtual void ResetPositions() {}
    virtual void ShowAllWidgets(bool show) { static_cast<void>(show); }
};

}  // namespace tockly
