#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gallery_pages.h"
#include "menu_scene.h"
#include "widgets/menu_ids.h"
#include "widgets/plain_widget.h"

namespace tockly::gallery {
namespace {

using testing::PlainWidget;

constexpr int kPageWidth = 1180;
constexpr int kMargin = 24;
// Where the widget stands and its menu opens while they are captured.
constexpr POINT kWidgetAt{40, 40};
constexpr POINT kMenuAt{130, 80};

struct Shot {
    std::u16string resource;
    const wchar_t* caption;
    // Keys pressed while the menu is open: to an item, into a submenu.
    std::vector<WORD> keys;
    std::function<void(PlainWidget&)> prepare;
};

Canvas TakeShot(const Shot& shot) {
    PlainWidget widget(nullptr, 1, WidgetClock(), shot.resource);
    widget.MoveTo(kWidgetAt.x, kWidgetAt.y);
    widget.Show(true);
    if (shot.prepare) {
        shot.prepare(widget);
    }
    ::SetForegroundWindow(widget.window());
    PumpMessages();
    if (widget.menu() == nullptr) {
        return Canvas(1, 1);
    }
    std::optional<Canvas> scene =
        CaptureOpenMenu(widget.window(), widget.messages(), *widget.menu(), kMenuAt, shot.keys);
    return scene ? std::move(*scene) : Canvas(1, 1);
}

std::vector<Shot> Shots() {
    const auto common = [](int transparency) {
        return [transparency](PlainWidget& widget) {
            widget.SetAlwaysOnTop(true);
            widget.SetShowProgressBar(true);
            widget.SetTransparency(transparency);
        };
    };
    const auto check = [common](int transparency, std::vector<int> ids) {
        return [common, transparency, ids](PlainWidget& widget) {
            common(transparency)(widget);
            for (const int id : ids) {
                widget.menu()->SetChecked(id, true);
            }
        };
    };
    return {
        {u"Universal_PopupMenu", L"Universal_PopupMenu, Transparency open", MenuKeys(3, true, 4),
         common(50)},
        {u"StopWatch_PopupMenu", L"StopWatch_PopupMenu", MenuKeys(4), common(0)},
        {u"StickyNote_PopupMenu", L"StickyNote_PopupMenu, Change theme style open",
         MenuKeys(3, true, 0), check(20, {menu_id::kLightTheme})},
        {u"Message_Popupmenu", L"Message_Popupmenu", MenuKeys(3), common(30)},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, Transparency open",
         MenuKeys(3, true, 2), common(70)},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, Repeat every open",
         MenuKeys(4, true, 1), check(0, {TOCKLY_MENU_REPEAT_5_MINUTES})},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, Execute for open", MenuKeys(5, true, 2),
         check(0, {TOCKLY_MENU_EXECUTE_15_MINUTES})},
        {u"PrintScreen_PopupMenu", L"PrintScreen_PopupMenu, File format open", MenuKeys(6, true, 0),
         check(0, {menu_id::kFormatPng})},
        {u"Networks_PopupMenu", L"Networks_PopupMenu", MenuKeys(4), common(0)},
        {u"PowerManagement_PopupMenu", L"PowerManagement_PopupMenu", MenuKeys(4),
         check(10, {menu_id::kForce})},
    };
}

}  // namespace

Canvas MenuPage() {
    PictureRows rows(kMargin, kPageWidth - kMargin, 56);
    for (const Shot& shot : Shots()) {
        rows.Add(TakeShot(shot), shot.caption);
    }
    Canvas page(kPageWidth, rows.bottom() + kMargin);
    page.Text(kMargin, 14, L"Tockly widget gallery: the widget menus", kHeadingFont, kHeadingColor);
    rows.DrawOn(page);
    return page;
}

}  // namespace tockly::gallery
