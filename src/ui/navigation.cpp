#include "ui/navigation.h"

namespace tockly {

MenuLevel LevelOfPage(PageKind page) noexcept {
    switch (page) {
        case PageKind::Application:
        case PageKind::PrintScreen:
        case PageKind::Internet:
        case PageKind::Power:
            return MenuLevel::Tasks;
        case PageKind::Timer:
        case PageKind::Counter:
            return MenuLevel::Counting;
        default:
            return MenuLevel::Top;
    }
}

bool IsTaskPage(PageKind page) noexcept {
    return page != PageKind::Settings && page != PageKind::Information;
}

Navigation::Step Navigation::Open(PageKind page) {
    Step step;
    if (openPage_ == page) {
        return step;
    }
    openPage_ = page;
    step.opened = page;
    step.repaintFrame = IsTaskPage(page);
    return step;
}

Navigation::Step Navigation::Press(int id) {
    switch (id) {
        case menu_button::kTasks:
            level_ = MenuLevel::Tasks;
            return {};
        case menu_button::kCounting:
            level_ = MenuLevel::Counting;
            return {};
        case menu_button::kBack:
            level_ = MenuLevel::Top;
            return {};
        case menu_button::kPin: {
            pinned_ = !pinned_;
            Step step;
            step.pinChanged = true;
            return step;
        }
        default:
            break;
    }
    const std::optional<PageKind> page = PageOfButton(id);
    if (!page || !ButtonVisible(id)) {
        return {};
    }
    return Open(*page);
}

Navigation::Step Navigation::Home() {
    Step step;
    step.homeShown = openPage_.has_value();
    openPage_.reset();
    return step;
}

Navigation::Step Navigation::OpenFromTray(PageKind page) {
    level_ = LevelOfPage(page);
    return Open(page);
}

Navigation::Step Navigation::Reset() {
    level_ = MenuLevel::Top;
    return Home();
}

bool Navigation::ButtonVisible(int id) const noexcept {
    switch (id) {
        case menu_button::kSettings:
        case menu_button::kInformations:
        case menu_button::kPin:
            return true;
        case menu_button::kTasks:
        case menu_button::kStickyNotes:
        case menu_button::kCounting:
        case menu_button::kStopwatch:
            return level_ == MenuLevel::Top;
        case menu_button::kBack:
            return level_ != MenuLevel::Top;
        case menu_button::kApplications:
        case menu_button::kPrintScreens:
        case menu_button::kInternet:
        case menu_button::kPower:
            return level_ == MenuLevel::Tasks;
        case menu_button::kTimer:
        case menu_button::kCounter:
            return level_ == MenuLevel::Counting;
        default:
            return false;
    }
}

bool Navigation::ButtonPressed(int id) const noexcept {
    if (id == menu_button::kPin) {
        return pinned_;
    }
    return openPage_ && ButtonOfPage(*openPage_) == id;
}

}  // namespace tockly
