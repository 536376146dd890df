#pragma once
// What the tray menu is made of besides its resource "Tray_Menu": an icon for every item and
// submenu, and the language text of each. Portable.

#include <optional>
#include <span>
#include <string_view>

#include "shell/language_keys.h"
#include "ui/main_window_layout.h"
#include "widgets/menu_setup.h"

namespace tockly {

struct TrayMenuItem {
    MenuPlace place;
    TextId text;
    std::u16string_view icon;  // a 16 x 16 bitmap resource
};

// Every item of "Tray_Menu", submenus by their position in the top-level menu.
std::span<const TrayMenuItem> TrayMenuItems();
MenuSetup TrayMenuSetup();

// What a tray command does.
enum class TrayAction {
    None,
    ResetPositions,
    ShowAllWidgets,
    HideAllWidgets,
    OpenPage,
    QuickStickyNote,
    QuickStopwatch,
    Feedback,
    Exit,
};
struct TrayCommand {
    TrayAction action = TrayAction::None;
    PageKind page = PageKind::Settings;  // for OpenPage
    bool operator==(const TrayCommand&) const = default;
};
TrayCommand TrayCommandOf(int id) noexcept;

// The feedback mail: to our feedback address, with the subject filled in.
inline constexpr std::string_view kFeedbackAddress = "feedback@tockly.app";
inline constexpr std::string_view kFeedbackSubject = "Tockly 1.0.0 - Feedback";
inline constexpr std::u16string_view kTrayTip = u"Tockly 1.0.0";

}  // namespace tockly
