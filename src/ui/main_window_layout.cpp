#include "ui/main_window_layout.h"

#include <string>

namespace tockly {
namespace {

using enum ButtonBitmap;
using Shape = MenuButtonShape;

constexpr std::u16string_view kMenuFolder = u"data\\bitmaps_menu\\";
constexpr std::u16string_view kIconFolder = u"data\\bitmaps_menu\\icons\\";

std::u16string MenuFile(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    path += name;
    return path;
}

// The seven pieces of a set: "<left>_button_lr_N", centre, hovered and pressed.
ButtonSkinFiles NumberedSet(std::u16string_view lr, std::u16string_view centre,
                            std::u16string_view hoveredLr, std::u16string_view hoveredCentre,
                            std::u16string_view pressedLeft, std::u16string_view pressedRight,
                            std::u16string_view pressedCentre) {
    ButtonSkinFiles files;
    files[NormalLeft] = MenuFile(kMenuFolder, lr);
    files[NormalCentre] = MenuFile(kMenuFolder, centre);
    files[HoveredLeft] = MenuFile(kMenuFolder, hoveredLr);
    files[HoveredCentre] = MenuFile(kMenuFolder, hoveredCentre);
    files[PressedLeft] = MenuFile(kMenuFolder, pressedLeft);
    files[PressedRight] = MenuFile(kMenuFolder, pressedRight);
    files[PressedCentre] = MenuFile(kMenuFolder, pressedCentre);
    return files;
}

constexpr MenuButtonSpec kButtons[] = {
    {menu_button::kSettings, TextId::GENERAL_SETTINGS, 31, 10, 91, 70, u"51_settings_icon.bmp",
     MenuSkin::Set2, Shape::Big},
    {menu_button::kInformations, TextId::GENERAL_INFORMATIONS, 132, 10, 91, 70,
     u"51_informations_icon.bmp", MenuSkin::Set2, Shape::Big},
    {menu_button::kTasks, TextId::GENERAL_TASKS, 31, 99, 91, 70, u"51_tasks_icon.bmp",
     MenuSkin::Set1, Shape::Big},
    {menu_button::kStickyNotes, TextId::GENERAL_STICKY_NOTES, 132, 99, 91, 70,
     u"51_sticky_notes_icon.bmp", MenuSkin::Set1, Shape::Big},
    {menu_button::kCounting, TextId::GENERAL_COUNTING, 31, 178, 91, 70, u"51_counting_icon.bmp",
     MenuSkin::Set1, Shape::Big},
    {menu_button::kStopwatch, TextId::GENERAL_STOPWATCH, 132, 178, 91, 70, u"51_stopwatch_icon.bmp",
     MenuSkin::Set1, Shape::Big},
    {menu_button::kBack, std::nullopt, 32, 99, 41, 36, u"32_back_icon.bmp", MenuSkin::Set4,
     Shape::IconOnly},
    // The small buttons are as wide as their skin allows at the least (two 72-pixel ends and a
    // centre column), which reaches the rule of the menu column.
    {menu_button::kApplications, TextId::GENERAL_APPLICATIONS, 78, 99, 145, 36,
     u"25_applications_icon.bmp", MenuSkin::Set3, Shape::Small},
    {menu_button::kPrintScreens, TextId::GENERAL_PRINT_SCREENS, 78, 137, 145, 36,
     u"25_print_screen_icon.bmp", MenuSkin::Set3, Shape::Small},
    {menu_button::kInternet, TextId::GENERAL_INTERNET_CONNECTIONS, 78, 175, 145, 36,
     u"25_networks_icon.bmp", MenuSkin::Set3, Shape::Small},
    {menu_button::kPower, TextId::GENERAL_USER_SESSIONS_POWER_MANAGEMENT, 78, 213, 145, 36,
     u"25_power_icon.bmp", MenuSkin::Set3, Shape::Small},
    {menu_button::kTimer, TextId::GENERAL_TIMER, 78, 99, 145, 36, u"25_timer_icon.bmp",
     MenuSkin::Set3, Shape::Small},
    {menu_button::kCounter, TextId::GENERAL_COUNTER, 78, 137, 145, 36, u"25_counter_icon.bmp",
     MenuSkin::Set3, Shape::Small},
    {menu_button::kPin, std::nullopt, 5, 11, 20, 20, u"15_pin_icon.bmp", MenuSkin::Modern,
     Shape::IconOnly},
};

struct PageButton {
    PageKind page;
    int button;
};
constexpr PageButton kPageButtons[] = {
    {PageKind::Settings, menu_button::kSettings},
    {PageKind::Information, menu_button::kInformations},
    {PageKind::Application, menu_button::kApplications},
    {PageKind::PrintScreen, menu_button::kPrintScreens},
    {PageKind::Internet, menu_button::kInternet},
    {PageKind::Power, menu_button::kPower},
    {PageKind::Timer, menu_button::kTimer},
    {PageKind::Counter, menu_button::kCounter},
    {PageKind::StickyNote, menu_button::kStickyNotes},
    {PageKind::Stopwatch, menu_button::kStopwatch},
};

// The pages' own control ids (the task pages' forms, the settings page) and the quick tasks.
struct PageRange {
    int first;
    int last;
    PageKind page;
};
constexpr PageRange kPageRanges[] = {
    {200, 204, PageKind::Settings},    {206, 206, PageKind::Settings},
    {402, 422, PageKind::Application}, {503, 527, PageKind::PrintScreen},
    {602, 621, PageKind::Internet},    {701, 720, PageKind::Power},
    {901, 913, PageKind::Timer},       {1001, 1022, PageKind::Counter},
    {802, 802, PageKind::StickyNote},  {1201, 1201, PageKind::StickyNote},
    {1101, 1104, PageKind::Stopwatch}, {1202, 1202, PageKind::Stopwatch},
};

// A page that opens a file or folder dialog keeps the main window up meanwhile.
constexpr int kDialogGuards[] = {423, 528, 914, 1023};

constexpr int kFirstTrayCommand = 20000;
constexpr int kLastTrayCommand = 20019;

}  // namespace

ButtonSkinFiles MenuSkinFiles(MenuSkin skin) {
    switch (skin) {
        case MenuSkin::Set1:
            return NumberedSet(u"45x70_button_lr_1.bmp", u"45x70_button_c_1.bmp",
                               u"45x70_button_hovered_lr_1.bmp", u"1x70_button_hovered_c_1.bmp",
                               u"45x70_button_clicked_left_1.bmp",
                               u"45x70_button_clicked_right_1.bmp", u"1x70_button_clicked_c_1.bmp");
        case MenuSkin::Set2:
            return NumberedSet(u"45x70_button_lr_2.bmp", u"45x70_button_c_2.bmp",
                               u"45x70_button_hovered_lr_2.bmp", u"1x70_button_hovered_c_2.bmp",
                               u"45x70_button_clicked_left_2.bmp",
                               u"45x70_button_clicked_right_2.bmp", u"1x70_button_clicked_c_2.bmp");
        case MenuSkin::Set3:
            return NumberedSet(u"72x36_button_lr_3.bmp", u"1x36_button_c_3.bmp",
                               u"72x36_button_hovered_lr_3.bmp", u"1x36_button_hovered_c_3.bmp",
                               u"72x36_button_clicked_left_3.bmp",
                               u"72x36_button_clicked_right_3.bmp", u"1x36_button_clicked_c_3.bmp");
        case MenuSkin::Set4:
            return NumberedSet(u"20x36_button_lr_4.bmp", u"1x36_button_c_4.bmp",
                               u"20x36_button_hovered_lr_4.bmp", u"1x36_button_hovered_c_4.bmp",
                               u"20x36_button_clicked_left_4.bmp",
                               u"20x36_button_clicked_right_4.bmp", u"1x36_button_clicked_c_4.bmp");
        case MenuSkin::Gray:
            return NumberedSet(
                u"172x85_button_gray_lr_5.bmp", u"1x85_button_gray_c_5.bmp",
                u"172x85_button_gray_hovered_lr_5.bmp", u"1x85_button_gray_hovered_c_5.bmp",
                u"172x85_button_gray_clicked_left_5.bmp", u"172x85_button_gray_clicked_right_5.bmp",
                u"1x85_button_gray_clicked_c_5.bmp");
        case MenuSkin::Modern: {
            ButtonSkinFiles files;
            files[NormalLeft] = u"data\\bitmaps\\2x20_button_modern_left.bmp";
            files[NormalCentre] = u"data\\bitmaps\\1x20_button_modern_center.bmp";
            files[NormalRight] = u"data\\bitmaps\\2x20_button_modern_right.bmp";
            files[HoveredLeft] = u"data\\bitmaps\\2x20_button_modern_hovered_left.bmp";
            files[HoveredCentre] = u"data\\bitmaps\\1x20_button_modern_hovered_center.bmp";
            files[HoveredRight] = u"data\\bitmaps\\2x20_button_modern_hovered_right.bmp";
            files[PressedLeft] = u"data\\bitmaps\\2x20_button_modern_clicked_left.bmp";
            files[PressedCentre] = u"data\\bitmaps\\1x20_button_modern_clicked_center.bmp";
            files[PressedRight] = u"data\\bitmaps\\2x20_button_modern_clicked_right.bmp";
            return files;
        }
    }
    return {};
}

skin::PieceSkin MenuSkinMetrics(MenuSkin skin) {
    switch (skin) {
        case MenuSkin::Set1:
            return skin::kMenuButtonSet1;
        case MenuSkin::Set2:
            return skin::kMenuButtonSet2;
        case MenuSkin::Set3:
            return skin::kMenuButtonSet3;
        case MenuSkin::Set4:
            return skin::kMenuButtonSet4;
        case MenuSkin::Gray:
            return skin::kMenuButtonGray;
        case MenuSkin::Modern:
            return skin::kModernButton;
    }
    return skin::kModernButton;
}

std::span<const MenuButtonSpec> MenuButtonSpecs() {
    return kButtons;
}

const MenuButtonSpec* FindMenuButton(int id) {
    for (const MenuButtonSpec& spec : kButtons) {
        if (spec.id == id) {
            return &spec;
        }
    }
    return nullptr;
}

std::u16string MenuIconFile(const MenuButtonSpec& spec) {
    return MenuFile(kIconFolder, spec.icon);
}

bool TakesTimeOfDay(PageKind page) noexcept {
    switch (page) {
        case PageKind::Application:
        case PageKind::PrintScreen:
        case PageKind::Internet:
        case PageKind::Power:
        case PageKind::Counter:
            return true;
        default:
            return false;
    }
}

int ButtonOfPage(PageKind page) noexcept {
    for (const PageButton& entry : kPageButtons) {
        if (entry.page == page) {
            return entry.button;
        }
    }
    return 0;
}

std::optional<PageKind> PageOfButton(int button) noexcept {
    for (const PageButton& entry : kPageButtons) {
        if (entry.button == button) {
            return entry.page;
        }
    }
    return std::nullopt;
}

CommandRoute RouteCommand(int id) noexcept {
    if (id >= menu_button::kFirst && id <= menu_button::kLast) {
        return {CommandTarget::Navigation};
    }
    if (id == kCommandHome) {
        return {CommandTarget::Home};
    }
    if (id == kCommandRetranslate) {
        return {CommandTarget::Retranslate};
    }
    for (const int guard : kDialogGuards) {
        if (id == guard) {
            return {CommandTarget::DialogGuard};
        }
    }
    if (id >= kFirstTrayCommand && id <= kLastTrayCommand) {
        return {CommandTarget::Tray};
    }
    const int list = id - kFirstListNotification;
    if (list >= 0 && list < static_cast<int>(kTaskPages.size())) {
        return {CommandTarget::Page, kTaskPages[static_cast<std::size_t>(list)]};
    }
    for (const PageRange& range : kPageRanges) {
        if (id >= range.first && id <= range.last) {
            return {CommandTarget::Page, range.page};
        }
    }
    return {};
}

WindowPosition MainWindowPosition(const AreaRect& workArea) noexcept {
    return {workArea.right - kMainWindowWidth, workArea.bottom - kMainWindowHeight};
}

TrayRestoreSchedule::Tick TrayRestoreSchedule::OnTick() noexcept {
    if (seconds_ >= kLastSecond) {
        return {false, true};
    }
    seconds_ += kStepSeconds;
    return {true, seconds_ >= kLastSecond};
}

}  // namespace tockly
