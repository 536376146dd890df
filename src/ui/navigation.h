#pragma once
// Which menu buttons the main window shows and which one is pressed, which page is open, and
// whether the window must stay up. Portable: the window feeds it the clicks and commands and then
// shows, hides and presses its controls as it says.
//
// The menu column has three levels: the six big buttons (top), the Tasks category (back button and
// the four system task kinds) and the Counting category (back, timer, counter). Settings,
// Informations and the pin stay at every level. A page stays open while the user moves between
// the levels; exactly the button of the open page is pressed, wherever it is.

#include <optional>

#include "ui/main_window_layout.h"

namespace tockly {

enum class MenuLevel { Top, Tasks, Counting };

class Navigation {
public:
    // What the window must do beyond showing what the state says.
    struct Step {
        std::optional<PageKind> opened;  // a page was opened (its button pressed)
        bool homeShown = false;          // the home page came back
        bool repaintFrame = false;       // a task page's frame must be painted first
        bool pinChanged = false;
        bool operator==(const Step&) const = default;
    };

    // A click on menu button `id` (1 to 14).
    Step Press(int id);
    // Back to the home page (command 205), at the level the column is at.
    Step Home();
    // The page from the tray menu: the column goes to the level where the page's button is.
    Step OpenFromTray(PageKind page);
    // The focus left the program: home page, top level, nothing pressed. The pin stays.
    Step Reset();

    // A page opened or closed a file dialog: the window stays up meanwhile.
    void SetDialogOpen(bool open) noexcept { dialogOpen_ = open; }

    MenuLevel level() const noexcept { return level_; }
    std::optional<PageKind> openPage() const noexcept { return openPage_; }
    bool homeVisible() const noexcept { return !openPage_.has_value(); }
    bool pinned() const noexcept { return pinned_; }
    bool dialogOpen() const noexcept { return dialogOpen_; }
    // Auto-hide is off while pinned or while a page's dialog is open.
    bool keepOnTop() const noexcept { return pinned_ || dialogOpen_; }

    bool ButtonVisible(int id) const noexcept;
    bool ButtonPressed(int id) const noexcept;

private:
    Step Open(PageKind page);

    MenuLevel level_ = MenuLevel::Top;
    std::optional<PageKind> openPage_;
    bool pinned_ = false;
    bool dialogOpen_ = false;
};

// The category whose buttons open `page`, or the top level.
MenuLevel LevelOfPage(PageKind page) noexcept;
// The task pages paint the frame of their task list.
bool IsTaskPage(PageKind page) noexcept;

}  // namespace tockly
