#include "ui/tray_menu.h"

#include <string>
#include <vector>

#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using namespace menu_id;

// The submenus' places in "Tray_Menu".
constexpr int kQuickTasksPosition = 7;
constexpr int kTasksPosition = 8;
constexpr int kCountingPosition = 10;

const std::vector<TrayMenuItem>& Items() {
    static const std::vector<TrayMenuItem> items = {
        {MenuPlace::Command(kTraySetDefaultPosition), TextId::TRAY_MENU_SET_DEFAULT_POSITION,
         u"TRAYMENU_POPUP_SET_DEFAULT_POSITIONS"},
        {MenuPlace::Command(kTrayShowAllWidgets), TextId::TRAY_MENU_SHOW_ALL_WIDGETS,
         u"TRAYMENU_POPUP_SHOW_ALL_ICON"},
        {MenuPlace::Command(kTrayHideAllWidgets), TextId::TRAY_MENU_HIDE_ALL_WIDGETS,
         u"TRAYMENU_POPUP_HIDE_ALL_ICON"},
        {MenuPlace::Command(kTraySettings), TextId::TRAY_MENU_SETTINGS,
         u"TRAYMENU_POPUP_SETTTINGS_ICON"},
        {MenuPlace::Command(kTrayInformations), TextId::TRAY_MENU_INFORMATIONS,
         u"TRAYMENU_POPUP_INFORMATIONS_ICON"},
        {MenuPlace::Position({kQuickTasksPosition}), TextId::TRAY_MENU_QUICK_TASKS,
         u"TRAYMENU_POPUP_QUICK_TASK_ICON"},
        {MenuPlace::Command(kTrayQuickStickyNote), TextId::TRAY_MENU_QUICK_STICKY_NOTE,
         u"TRAYMENU_POPUP_STICKYNOTES_ICON"},
        {MenuPlace::Command(kTrayQuickStopwatch), TextId::TRAY_MENU_QUICK_STOPWATCH,
         u"TRAYMENU_POPUP_STOPWATCH_ICON"},
        {MenuPlace::Position({kTasksPosition}), TextId::TRAY_MENU_TASKS,
         u"TRAYMENU_POPUP_TASKS_ICON"},
        {MenuPlace::Command(kTrayApplications), TextId::TRAY_MENU_APPLICATIONS,
         u"TRAYMENU_POPUP_APPLICATIONS_ICON"},
        {MenuPlace::Command(kTrayPrintScreens), TextId::TRAY_MENU_PRINT_SCREENS,
         u"TRAYMENU_POPUP_PRINTSCREENS_ICON"},
        {MenuPlace::Command(kTrayInternetConnections), TextId::TRAY_MENU_INTERNET_CONNECTIONS,
         u"TRAYMENU_POPUP_NETWORKS_ICON"},
        {MenuPlace::Command(kTrayPowerManagement), TextId::TRAY_MENU_POWER_MANAGEMENT,
         u"TRAYMENU_POPUP_POWERMANAGEMENT_ICON"},
        {MenuPlace::Command(kTrayStickyNotes), TextId::TRAY_MENU_STICKY_NOTES,
         u"TRAYMENU_POPUP_STICKYNOTES_ICON"},
        {MenuPlace::Position({kCountingPosition}), TextId::TRAY_MENU_COUNTING,
         u"TRAYMENU_POPUP_COUNTING_ICON"},
        {MenuPlace::Command(kTrayTimer), TextId::TRAY_MENU_TIMER, u"TRAYMENU_POPUP_TIMER_ICON"},
        {MenuPlace::Command(kTrayCounter), TextId::TRAY_MENU_COUNTER,
         u"TRAYMENU_POPUP_COUNTER_ICON"},
        {MenuPlace::Command(kTrayStopwatch), TextId::TRAY_MENU_STOPWATCH,
         u"TRAYMENU_POPUP_STOPWATCH_ICON"},
        {MenuPlace::Command(kTrayFeedback), TextId::TRAY_MENU_FEEDBACK,
         u"TRAYMENU_POPUP_FEEDBACK_ICON"},
        {MenuPlace::Command(kTrayExit), TextId::TRAY_MENU_EXIT, u"TRAYMENU_POPUP_EXIT_ICON"},
    };
    return items;
}

}  // namespace

std::span<const TrayMenuItem> TrayMenuItems() {
    return Items();
}

MenuSetup TrayMenuSetup() {
    MenuSetup setup{u"Tray_Menu", {}, {}};
    for (const TrayMenuItem& item : Items()) {
        setup.icons.push_back({item.place, std::u16string(item.icon), {}});
    }
    return setup;
}

TrayCommand TrayCommandOf(int id) noexcept {
    switch (id) {
        case kTraySetDefaultPosition:
            return {TrayAction::ResetPositions};
        case kTrayShowAllWidgets:
            return {TrayAction::ShowAllWidgets};
        case kTrayHideAllWidgets:
            return {TrayAction::HideAllWidgets};
        case kTraySettings:
            return {TrayAction::OpenPage, PageKind::Settings};
        case kTrayInformations:
            return {TrayAction::OpenPage, PageKind::Information};
        case kTrayApplications:
            return {TrayAction::OpenPage, PageKind::Application};
        case kTrayPrintScreens:
            return {TrayAction::OpenPage, PageKind::PrintScreen};
        case kTrayInternetConnections:
            return {TrayAction::OpenPage, PageKind::Internet};
        case kTrayPowerManagement:
            return {TrayAction::OpenPage, PageKind::Power};
        case kTrayStickyNotes:
            return {TrayAction::OpenPage, PageKind::StickyNote};
        case kTrayTimer:
            return {TrayAction::OpenPage, PageKind::Timer};
        case kTrayCounter:
            return {TrayAction::OpenPage, PageKind::Counter};
        case kTrayStopwatch:
            return {TrayAction::OpenPage, PageKind::Stopwatch};
        case kTrayQuickStickyNote:
            return {TrayAction::QuickStickyNote};
        case kTrayQuickStopwatch:
            return {TrayAction::QuickStopwatch};
        case kTrayFeedback:
            return {TrayAction::Feedback};
        case kTrayExit:
            return {TrayAction::Exit};
        default:
            return {};
    }
}

}  // namespace tockly
