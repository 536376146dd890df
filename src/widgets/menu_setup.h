#pragma once
// What an owner-drawn menu is made of besides its resource: which items keep a check mark and
// which items show which icons. Portable: names and ids only.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tockly {

// An item of a menu: by its command id, or by its positions from the top-level menu down (the
// only way to name a submenu item, which has no command).
struct MenuPlace {
    int command = 0;
    std::vector<int> path;  // empty: by command

    static MenuPlace Command(int id) { return {id, {}}; }
    static MenuPlace Position(std::initializer_list<int> positions) { return {0, positions}; }
    bool byCommand() const noexcept { return path.empty(); }
};

// Bitmap resources of 16 x 16: `icon` is drawn normally, `checkedIcon` when the item is checked
// (without one a checked item shows the menu's check mark).
struct MenuIcon {
    MenuPlace place;
    std::u16string icon;
    std::u16string checkedIcon;
};

struct MenuSetup {
    std::u16string resource;
    std::vector<int> checkable;
    std::vector<MenuIcon> icons;
};

// The widget menus ("Universal_PopupMenu", "StopWatch_PopupMenu", "StickyNote_PopupMenu",
// "Message_Popupmenu", "PrintScreen_PopupMenu", "Networks_PopupMenu",
// "PowerManagement_PopupMenu"): the common items 100, 101 and 103-112 are checkable, the
// Transparency submenu shows "Popup_Transparency", each transparency its level when checked,
// "Hide" and "Remove" their icons; the task counter's choices and the sticky note's themes are
// checkable too, and the themes show their swatches. Any other resource gets no extras.
MenuSetup WidgetMenuSetup(std::u16string_view resource);

// The widget menus by name, for those who show them all.
std::vector<std::u16string> WidgetMenuResources();

}  // namespace tockly
