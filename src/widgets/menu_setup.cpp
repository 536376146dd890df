#include "widgets/menu_setup.h"

#include <utility>

#include "widgets/menu_ids.h"

namespace tockly {
namespace {

struct WidgetMenu {
    std::u16string_view resource;
    int transparencyPosition;  // the Transparency submenu's place in the top-level menu
    bool progressBar;
};

constexpr WidgetMenu kWidgetMenus[] = {
    {u"Universal_PopupMenu", 2, true},       {u"StopWatch_PopupMenu", 1, false},
    {u"StickyNote_PopupMenu", 1, false},     {u"Message_Popupmenu", 1, false},
    {u"PrintScreen_PopupMenu", 2, true},     {u"Networks_PopupMenu", 2, true},
    {u"PowerManagement_PopupMenu", 2, true},
};

constexpr int kStickyNoteThemePosition = 3;

void AddRange(std::vector<int>& ids, int first, int last) {
    for (int id = first; id <= last; ++id) {
        ids.push_back(id);
    }
}

void AddCommonItems(MenuSetup& setup, const WidgetMenu& menu) {
    setup.checkable.push_back(menu_id::kAlwaysOnTop);
    if (menu.progressBar) {
        setup.checkable.push_back(menu_id::kShowProgressBar);
    }
    AddRange(setup.checkable, menu_id::kTransparency90, menu_id::kTransparency0);
    setup.icons.push_back(
        {MenuPlace::Position({menu.transparencyPosition}), u"Popup_Transparency", {}});
    for (int id = menu_id::kTransparency90; id <= menu_id::kTransparency0; ++id) {
        const int percent = (menu_id::kTransparency0 - id) * 10;
        std::u16string level = u"Popup_Transparent";
        for (const char c : std::to_string(percent)) {
            level += static_cast<char16_t>(c);
        }
        setup.icons.push_back({MenuPlace::Command(id), {}, std::move(level)});
    }
    setup.icons.push_back({MenuPlace::Command(menu_id::kHide), u"Traymenu_Popup_Exit_Icon", {}});
    setup.icons.push_back({MenuPlace::Command(menu_id::kRemove), u"Delete_Icon", {}});
}

}  // namespace

MenuSetup WidgetMenuSetup(std::u16string_view resource) {
    MenuSetup setup{std::u16string(resource), {}, {}};
    for (const WidgetMenu& menu : kWidgetMenus) {
        if (menu.resource != resource) {
            continue;
        }
        AddCommonItems(setup, menu);
        if (resource == u"StickyNote_PopupMenu") {
            AddRange(setup.checkable, menu_id::kDarkTheme, menu_id::kYellowTheme);
            setup.icons.push_back(
                {MenuPlace::Position({kStickyNoteThemePosition}), u"Popup_Change_Theme", {}});
            setup.icons.push_back(
                {MenuPlace::Command(menu_id::kDarkTheme), u"Popup_Menu_Dark_Theme", {}});
            setup.icons.push_back(
                {MenuPlace::Command(menu_id::kLightTheme), u"Popup_Menu_Light_Theme", {}});
            setup.icons.push_back(
                {MenuPlace::Command(menu_id::kYellowTheme), u"Popup_Menu_Yellow_Theme", {}});
        } else if (resource == u"PrintScreen_PopupMenu") {
            AddRange(setup.checkable, menu_id::kRepeatFirst, menu_id::kFormatBmp);
        } else if (resource == u"PowerManagement_PopupMenu") {
            setup.checkable.push_back(menu_id::kForce);
        }
    }
    return setup;
}

std::vector<std::u16string> WidgetMenuResources() {
    std::vector<std::u16string> names;
    for (const WidgetMenu& menu : kWidgetMenus) {
        names.emplace_back(menu.resource);
    }
    return names;
}

}  // namespace tockly
